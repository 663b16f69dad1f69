#include "commands.h"
#include "fakeclipboard.h"
#include "referencequiz.h"
#include "roster.h"
#include "standings.h"

#include <QRandomGenerator>
#include <QTest>

// Long random runs of the scoring commands against the reference: a fault in
// the roster's sorted insert, lookup or removal shows up as a difference in a
// status text, the list order or the standings line.
class tst_Differential : public QObject
{
    Q_OBJECT

private slots:
    void randomRuns_data();
    void randomRuns();
};

namespace {

QStringList namePool()
{
    return {u""_qs,      u"Anna"_qs,     u"anna"_qs,    u"Anna "_qs,       u" Anna"_qs,
            u"Ärger"_qs, u"Anton"_qs,    u"Bernd"_qs,   u"O'Brien"_qs,     u"P, "_qs,
            u"&"_qs,     u"<b>x</b>"_qs, u"\t"_qs,      u" "_qs,           u"🦊"_qs,
            u"ß"_qs,     u"ss"_qs,       u"\u200Fא"_qs, QString(QChar(0)), QString(QChar(0xDC00)),
            u"Zoë"_qs,   u"Zoe"_qs,      u"zoe"_qs,     u"\u202EAnna"_qs,  u"\u2067\u202Bא"_qs};
}

QStringList names(const scoring::Roster &roster)
{
    QStringList names;
    for (int i = 0; i < roster.count(); ++i)
        names << roster.name(i);
    return names;
}

} // namespace

void tst_Differential::randomRuns_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 20261206u, 4711u})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

void tst_Differential::randomRuns()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QStringList pool = namePool();

    scoring::Roster roster;
    ReferenceQuiz reference;
    QString caption; // what the standings label would show
    FakeClipboard clipboard;
    for (int step = 0; step < 20000; ++step) {
        // Mostly known names, now and then a fresh one.
        const QString name = random.bounded(10) == 0
                                 ? u"K"_qs + QString::number(random.bounded(500))
                                 : pool.at(random.bounded(int(pool.size())));
        const int command = random.bounded(100);
        scoring::Outcome outcome;
        ReferenceQuiz::Step expected;
        if (command < 45) {
            outcome = scoring::awardPoint(roster, name);
            expected = reference.plus(name);
        } else if (command < 80) {
            outcome = scoring::deductPoint(roster, name);
            expected = reference.minus(name);
        } else if (command < 95) {
            outcome = scoring::removeCandidate(roster, name);
            expected = reference.remove(name);
        } else if (command < 98) {
            scoring::copyStandings(clipboard, caption);
            QCOMPARE(clipboard.content, reference.line());
            continue;
        } else {
            outcome = scoring::startNewQuiz(roster);
            expected = reference.newQuiz();
        }
        QCOMPARE(outcome.status, expected.status);
        QCOMPARE(outcome.rebuildStandings, expected.rebuild);
        if (outcome.rebuildStandings)
            caption = scoring::standingsLine(roster);
        QCOMPARE(caption, reference.line());
        if (step % 50 == 0) {
            QCOMPARE(names(roster), reference.names());
            // A start of the line, as the label builds it.
            const qsizetype length = random.bounded(400);
            const QString start = scoring::standingsLine(roster, length);
            QVERIFY(reference.line().startsWith(start));
            QVERIFY(start.size() >= qMin(length, reference.line().size()));
        }
    }
}

QTEST_APPLESS_MAIN(tst_Differential)
#include "tst_differential.moc"
