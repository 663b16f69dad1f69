#pragma once

#include <QGroupBox>

namespace mainwindow {

// A frame drawn the classic way: an etched line whose top side runs through
// the middle of the caption. The layouts place a frame's controls 16 pixels
// below its top, clear of that line; Qt's styles draw the line below the
// caption instead, where those controls would cover it.
class ClassicFrame : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace mainwindow
