#include "scoring/commands.h"
#include "scoring/roster.h"
#include "scoring/singleline.h"
#include "scoring/standings.h"

#include "hostilenames.h"
#include "referencequiz.h"

#include <QRandomGenerator>
#include <QTest>

using scoring::Roster;

class tst_Scoring : public QObject
{
    Q_OBJECT

private slots:
    void randomRuns_data();
    void randomRuns();
    void limits();
    void hostileNames_data();
    void hostileNames();
    void keepFirstLine_data();
    void keepFirstLine();
};

void tst_Scoring::randomRuns_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 4u})
        QTest::addRow("seed %u", seed) << seed;
}

// Long random runs of every command against the reference, compared after
// each step on everything the window shows. The names are few, so that they
// meet often: case, blanks, umlauts, names that collate equal (a zero-width
// space is ignored by collation) and the empty name.
void tst_Scoring::randomRuns()
{
    QFETCH(quint32, seed);
    const QStringList pool{u"Anna"_qs,       u"anna"_qs, u"Anna "_qs, u"Ärger"_qs,  u"Anton"_qs,
                           u"A\u200Bnna"_qs, u"Öl"_qs,   u"Ol"_qs,    u"Straße"_qs, u"Strasse"_qs,
                           u"B"_qs,          u"b"_qs,    u" "_qs,     QString()};
    QRandomGenerator random(seed);
    Roster roster;
    ReferenceQuiz reference;
    for (int step = 0; step < 5000; ++step) {
        const QString name = pool.at(random.bounded(int(pool.size())));
        scoring::Outcome outcome;
        ReferenceQuiz::Step expected;
        switch (random.bounded(20)) {
        case 0:
            outcome = scoring::startNewQuiz(roster);
            expected = reference.newQuiz();
            break;
        case 1:
        case 2:
        case 3:
            outcome = scoring::removeCandidate(roster, name);
            expected = reference.remove(name);
            break;
        case 4:
        case 5:
        case 6:
        case 7:
        case 8:
            outcome = scoring::deductPoint(roster, name);
            expected = reference.minus(name);
            break;
        default:
            outcome = scoring::awardPoint(roster, name);
            expected = reference.plus(name);
        }
        QCOMPARE(outcome.status, expected.status);
        QCOMPARE(outcome.rebuildStandings, expected.rebuild);
        QCOMPARE(roster.count(), reference.entries.size());
        for (int i = 0; i < roster.count(); ++i) {
            QCOMPARE(roster.name(i), reference.entries.at(i).name);
            QCOMPARE(roster.points(i), reference.entries.at(i).points);
            QCOMPARE(roster.data(roster.index(i), Roster::PointsRole).toInt(), roster.points(i));
        }
        QCOMPARE(scoring::standingsLine(roster), reference.line());
    }
}

// The two refusals no random run reaches: the point ceiling and the full list.
void tst_Scoring::limits()
{
    Roster roster;
    roster.add(u"Anna"_qs, std::numeric_limits<qint32>::max() - 1);
    QCOMPARE(*scoring::awardPoint(roster, u"Anna"_qs).status, u"+1P für 'Anna'"_qs);
    const scoring::Outcome ceiling = scoring::awardPoint(roster, u"Anna"_qs);
    QCOMPARE(*ceiling.status, u"Mehr als 2147483647P nicht möglich."_qs);
    QCOMPARE(scoring::standingsLine(roster), u"/me --Punkte--  Anna 2147483647P, "_qs);
    QCOMPARE(*scoring::deductPoint(roster, u"Anna"_qs).status, u"-1P für 'Anna'"_qs);

    for (int i = 1; i < Roster::MaxCount; ++i)
        roster.add(QString::number(i), -i);
    QCOMPARE(*scoring::awardPoint(roster, u"Neu"_qs).status,
             u"Höchstens 32767 Kandidaten möglich."_qs);
    QCOMPARE(roster.count(), Roster::MaxCount);
    QVERIFY(scoring::standingsLine(roster).endsWith(u" 9999 -9999P, Anna 2147483646P, "_qs));
    scoring::removeCandidate(roster, u"1"_qs);
    QCOMPARE(*scoring::awardPoint(roster, u"Neu"_qs).status, u"+1P für Neueinstieg 'Neu'"_qs);
}

void tst_Scoring::hostileNames_data()
{
    QTest::addColumn<QString>("name");
    for (const auto &[label, name] : ::hostileNames())
        QTest::newRow(label) << name;
}

// Whatever the name, it is stored, found, reported and written unchanged.
void tst_Scoring::hostileNames()
{
    QFETCH(QString, name);
    Roster roster;
    ReferenceQuiz reference;
    for (const QString &other : {u"Mia"_qs, name, name, u"Zoe"_qs})
        QCOMPARE(scoring::awardPoint(roster, other).status, reference.plus(other).status);
    QCOMPARE(scoring::standingsLine(roster), reference.line());
    QCOMPARE(scoring::removeCandidate(roster, name).status, reference.remove(name).status);
    QCOMPARE(scoring::standingsLine(roster), reference.line());
}

void tst_Scoring::keepFirstLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor");
    QTest::newRow("no break") << u"Anna"_qs << 4 << u"Anna"_qs << 4;
    QTest::newRow("LF pasted in the middle") << u"abX\nYcd"_qs << 5 << u"abXcd"_qs << 3;
    QTest::newRow("CR LF at the end") << u"Anna\r\n"_qs << 6 << u"Anna"_qs << 4;
    QTest::newRow("every kind of break")
        << u"A\rB\nC\u0085D\u2028E\u2029F"_qs << 11 << u"A"_qs << 1;
    QTest::newRow("cursor before the break") << u"A\nB"_qs << 0 << u"AB"_qs << 1;
}

void tst_Scoring::keepFirstLine()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, expected);
    QFETCH(int, expectedCursor);
    const bool cut = expected != text;
    QCOMPARE(scoring::keepFirstLine(text, cursor), cut);
    QCOMPARE(text, expected);
    QCOMPARE(cursor, expectedCursor);
}

QTEST_APPLESS_MAIN(tst_Scoring)
#include "tst_scoring.moc"
