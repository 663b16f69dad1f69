#pragma once

#include <QStatusBar>

class QLabel;

namespace mainwindow {

// A status bar with one text panel that always shows the last command's
// result, as plain text (unlike QStatusBar's temporary messages). The panel
// elides what does not fit; its text and accessible name stay whole.
class PanelStatusBar : public QStatusBar
{
    Q_OBJECT
    Q_PROPERTY(QString panelText READ panelText WRITE setPanelText)

public:
    explicit PanelStatusBar(QWidget *parent = nullptr);

    QString panelText() const;
    void setPanelText(const QString &text);

private:
    QLabel *m_panel;
};

} // namespace mainwindow
