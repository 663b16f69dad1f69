#include "mainwindow/standingslabel.h"

#include <QEvent>
#include <QTextLayout>

namespace mainwindow {

namespace {

// How many characters of `text` fill `box` when wrapped at word boundaries as
// the label wraps them, with one line to spare below the bottom edge. Lays out
// growing prefixes, so the cost depends on the box, not on the text's length.
qsizetype visibleLength(const QString &text, const QFont &font, const QSize &box)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    for (qsizetype chunk = 512;; chunk *= 4) {
        if (chunk >= text.size())
            return text.size();
        QTextLayout layout(text.left(chunk), font);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(box.width());
            line.setPosition(QPointF(0, y));
            // A line that starts below the box is not seen; one that ends
            // inside the chunk is complete, so the chunk was long enough.
            if (y >= box.height() && line.textStart() + line.textLength() < chunk) {
                layout.endLayout();
                return line.textStart() + line.textLength();
            }
            y += line.height();
        }
        layout.endLayout();
    }
}

} // namespace

StandingsLabel::StandingsLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void StandingsLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    showVisiblePart();
}

void StandingsLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showVisiblePart();
}

void StandingsLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showVisiblePart();
}

void StandingsLabel::showVisiblePart()
{
    const QSize box = contentsRect().size();
    setText(m_caption.left(visibleLength(m_caption, font(), box)));
}

} // namespace mainwindow
