#include "mainwindow/standingslabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTextLayout>

#include <limits>

namespace mainwindow {

namespace {

// Past the shown part, the characters that can still decide where its last
// line breaks.
constexpr qsizetype Lookahead = 64;

// The start of `line` that fills `box` when wrapped at word boundaries as the
// label wraps it, with one line to spare below the bottom edge. Lays out
// growing starts, so the cost depends on the box, not on the line's length.
// A word wider than the box is measured as if broken at the right edge, so
// that even a name of 32,767 letters without a space stops the layout soon:
// the label then shows that word on a line of its own, cut off at the edge,
// and leaves out what follows it.
QString visiblePart(const StandingsLabel::Line &line, const QFont &font, const QSize &box)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (qsizetype chunk = 512;; chunk *= 4) {
        const QString start = line(chunk);
        if (start.size() < chunk)
            return start; // the whole line
        QTextLayout layout(start.left(chunk), font);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(box.width());
            row.setPosition(QPointF(0, y));
            // A line that starts below the box is not seen; one that ends
            // inside the chunk is complete, so the chunk was long enough.
            if (y >= box.height() && row.textStart() + row.textLength() < chunk) {
                layout.endLayout();
                return start.left(row.textStart() + row.textLength());
            }
            y += row.height();
        }
        layout.endLayout();
    }
}

// Screen readers read the whole line as the label's name; it is built only
// when one asks.
class AccessibleStandings : public QAccessibleWidget
{
public:
    explicit AccessibleStandings(StandingsLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // Without a line, the name of its frame, as for any unnamed control.
        if (t == QAccessible::Name) {
            const QString caption = static_cast<const StandingsLabel *>(widget())->caption();
            if (!caption.isEmpty())
                return caption;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
};

QAccessibleInterface *accessibleStandings(const QString &className, QObject *object)
{
    if (className == QLatin1String(StandingsLabel::staticMetaObject.className()))
        return new AccessibleStandings(static_cast<StandingsLabel *>(object));
    return nullptr;
}

} // namespace

StandingsLabel::StandingsLabel(QWidget *parent) : QLabel(parent)
{
    static const bool accessible = (QAccessible::installFactory(accessibleStandings), true);
    Q_UNUSED(accessible);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

QString StandingsLabel::caption() const
{
    if (!m_caption)
        m_caption = start(std::numeric_limits<qsizetype>::max());
    return *m_caption;
}

void StandingsLabel::setCaption(const QString &caption)
{
    setLine([caption](qsizetype) { return caption; });
    m_caption = caption;
}

void StandingsLabel::setLine(Line line)
{
    m_line = std::move(line);
    m_caption.reset();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    // When the start that the shown part follows from is the same, as after
    // a point for a candidate further on, so is the shown part.
    if (start(text().size() + Lookahead) != m_start)
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
    setText(m_line ? visiblePart(m_line, font(), contentsRect().size()) : QString());
    m_start = start(text().size() + Lookahead);
}

// Exactly the first `length` characters of the line, or all of it.
QString StandingsLabel::start(qsizetype length) const
{
    return m_line ? m_line(length).left(length) : QString();
}

} // namespace mainwindow
