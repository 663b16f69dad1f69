#pragma once

#include <QLabel>

#include <functional>
#include <optional>

namespace mainwindow {

// Shows the standings line. The caption is the whole line (the copy button
// takes it from here, and screen readers read it as the label's name), but
// the label builds and lays out only the part that its box can show: at a
// full roster the line runs to hundreds of kilobytes, and a click must not
// cost more for it. Text is always plain: a name is never read as markup or
// as an access key.
class StandingsLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    // Builds the line, or a start of it: at least `length` characters, or
    // the whole line if it is shorter.
    using Line = std::function<QString(qsizetype length)>;

    explicit StandingsLabel(QWidget *parent = nullptr);

    // The whole line, built on its first reading after each change.
    QString caption() const;
    void setCaption(const QString &caption);
    // Shows the line that `line` builds, which must stay the same until the
    // next call: the label asks it for a start now and whenever its box or
    // font changes, and for the whole line when the caption is read.
    void setLine(Line line);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showVisiblePart();
    QString start(qsizetype length) const;

    Line m_line;
    mutable std::optional<QString> m_caption;
    // The start of the line up to a little past the shown part: what the
    // shown part follows from.
    QString m_start;
};

} // namespace mainwindow
