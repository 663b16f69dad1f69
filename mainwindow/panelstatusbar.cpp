#include "mainwindow/panelstatusbar.h"

#include <QLabel>

namespace mainwindow {

PanelStatusBar::PanelStatusBar(QWidget *parent) : QStatusBar(parent), m_panel(new QLabel(this))
{
    m_panel->setObjectName(QStringLiteral("panel"));
    m_panel->setTextFormat(Qt::PlainText);
    m_panel->setAccessibleDescription(tr("Status"));
    // A long name must not widen the panel, and with it the bar and the window.
    m_panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_panel->setMinimumWidth(96); // 1440 twips
    setSizeGripEnabled(false);
    setContentsMargins(0, 0, 0, 0); // the bar is narrow: give the text every pixel
    addWidget(m_panel, 1);
}

QString PanelStatusBar::panelText() const
{
    return m_panel->text();
}

void PanelStatusBar::setPanelText(const QString &text)
{
    m_panel->setText(text);
    m_panel->setAccessibleName(text);
}

} // namespace mainwindow
