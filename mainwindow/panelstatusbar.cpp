#include "mainwindow/panelstatusbar.h"

#include "mainwindow/elidedtext.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace mainwindow {

namespace {

// The panel keeps the whole text (text(), its accessible name) but draws only
// what fits, elided, and never measures the whole: a status text with a name
// of 32,767 characters costs no more to show than a short one.
class ElidedLabel : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override
    {
        return QSize(minimumWidth(), fontMetrics().height()).grownBy(contentsMargins());
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect box = contentsRect();
        const QString shown = elidedText(text(), fontMetrics(), box.width());
        // As QLabel draws plain text: in the direction of its first strong letter.
        const bool rightToLeft = shown.isRightToLeft();
        const int flags = int(QStyle::visualAlignment(
                              rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment())) |
                          (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
        style()->drawItemText(&painter, box, flags, palette(), isEnabled(), shown,
                              foregroundRole());
    }
};

} // namespace

PanelStatusBar::PanelStatusBar(QWidget *parent) : QStatusBar(parent), m_panel(new ElidedLabel(this))
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
