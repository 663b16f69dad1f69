#pragma once

#include <QLabel>

namespace mainwindow {

// Shows the standings line. The caption keeps the whole line (the copy button
// takes it from here), but the label lays out only the part that its box can
// show: word-wrapping a line of hundreds of kilobytes on every point would
// make the window sluggish at a full roster. Text is always plain: a name is
// never read as markup or as an access key.
class StandingsLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    explicit StandingsLabel(QWidget *parent = nullptr);

    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showVisiblePart();

    QString m_caption;
};

} // namespace mainwindow
