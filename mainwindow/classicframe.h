#pragma once

#include <QGroupBox>

namespace mainwindow {

// An etched frame whose top runs through the middle of the caption. Layouts put
// a frame's controls 16 pixels below its top; Qt's styles draw the line below
// the caption, where those controls would cover it.
class ClassicFrame : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace mainwindow
