#include "scoring/commands.h"
#include "scoring/roster.h"
#include "scoring/standings.h"

#include "support/referencequiz.h"

#include <QtTest>

// A letter, the openers of embeddings, overrides and isolates, and their pops.
const QString Directions = u"a\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069"_qs;

class tst_Scoring : public QObject
{
    Q_OBJECT

private slots:
    // Every command against the reference, under Qt's model tester, on names that meet often.
    void randomRuns()
    {
        QStringList pool{u"Anna"_qs,       u"anna"_qs, u"Anna "_qs, u"Ärger"_qs,  u"Anton"_qs,
                         u"A\u200Bnna"_qs, u"Öl"_qs,   u"Ol"_qs,    u"Straße"_qs, u"Strasse"_qs,
                         u"B"_qs,          u"b"_qs,    u" "_qs,     QString()};
        QRandomGenerator random(4711);
        for (int i = 0; i < 40; ++i) {
            QString name;
            for (int length = random.bounded(1, i % 2 ? 7 : 12); length > 0; --length)
                name += i % 2 ? QChar(char16_t(random.bounded(0x10000)))
                              : Directions.at(random.bounded(int(Directions.size())));
            pool << name;
        }
        scoring::Roster roster;
        QAbstractItemModelTester tester(&roster);
        ReferenceQuiz reference;
        for (int step = 0; step < 20000; ++step) {
            const QString name = pool.at(random.bounded(int(pool.size())));
            const int command = random.bounded(20);
            scoring::Outcome outcome;
            scoring::Outcome expected;
            if (command == 0) {
                outcome = scoring::startNewQuiz(roster);
                expected = reference.newQuiz();
            } else if (command <= 3) {
                outcome = scoring::removeCandidate(roster, name);
                expected = reference.remove(name);
            } else if (command <= 8) {
                outcome = scoring::deductPoint(roster, name);
                expected = reference.minus(name);
            } else {
                outcome = scoring::awardPoint(roster, name);
                expected = reference.plus(name);
            }
            QCOMPARE(outcome.status, expected.status);
            QCOMPARE(outcome.rebuildStandings, expected.rebuildStandings);
            QCOMPARE(roster.rowCount(), reference.entries.size());
            for (int i = 0; i < roster.count(); ++i) {
                QCOMPARE(roster.name(i), reference.entries.at(i).name);
                QCOMPARE(roster.points(i), reference.entries.at(i).points);
            }
            QCOMPARE(scoring::standingsLine(roster), reference.line());
            const qsizetype length = random.bounded(60);
            QCOMPARE(scoring::standingsLine(roster, length), reference.line(length));
        }
    }
    // The two refusals no random run reaches: the point ceiling and the full list.
    void limits()
    {
        scoring::Roster roster;
        roster.add(u"Anna"_qs, std::numeric_limits<qint32>::max() - 1);
        QCOMPARE(*scoring::awardPoint(roster, u"Anna"_qs).status, u"+1P für 'Anna'"_qs);
        QCOMPARE(*scoring::awardPoint(roster, u"Anna"_qs).status,
                 u"Mehr als 2147483647P nicht möglich."_qs);
        QCOMPARE(scoring::standingsLine(roster), u"/me --Punkte--  Anna 2147483647P, "_qs);
        QCOMPARE(*scoring::deductPoint(roster, u"Anna"_qs).status, u"-1P für 'Anna'"_qs);

        for (int i = 1; i < scoring::Roster::MaxCount; ++i)
            roster.add(QString::number(i), -i);
        QCOMPARE(*scoring::awardPoint(roster, u"Neu"_qs).status,
                 u"Höchstens 32767 Kandidaten möglich."_qs);
        QCOMPARE(roster.count(), scoring::Roster::MaxCount);
        QVERIFY(scoring::standingsLine(roster).endsWith(u" 9999 -9999P, Anna 2147483646P, "_qs));
        scoring::removeCandidate(roster, u"1"_qs);
        QCOMPARE(*scoring::awardPoint(roster, u"Neu"_qs).status, u"+1P für Neueinstieg 'Neu'"_qs);
    }
};

QTEST_APPLESS_MAIN(tst_Scoring)
#include "tst_scoring.moc"
