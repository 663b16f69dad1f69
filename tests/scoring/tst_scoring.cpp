#include "scoring/commands.h"
#include "scoring/roster.h"
#include "scoring/singleline.h"
#include "scoring/standings.h"

#include "support/referencequiz.h"

#include <QRandomGenerator>
#include <QTest>

using scoring::Roster;

class tst_Scoring : public QObject
{
    Q_OBJECT

private slots:
    void randomRuns_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seed) << seed;
    }
    // Long random runs of every command against the reference, compared after
    // each step on everything the window shows. Some names meet often (case,
    // blanks, umlauts, a zero-width space that collation ignores, the empty
    // name); some are any UTF-16, surrogates and NUL too; some are made of
    // direction controls, which each name must close after itself.
    void randomRuns()
    {
        QFETCH(quint32, seed);
        QStringList pool{u"Anna"_qs,       u"anna"_qs, u"Anna "_qs, u"Ärger"_qs,  u"Anton"_qs,
                         u"A\u200Bnna"_qs, u"Öl"_qs,   u"Ol"_qs,    u"Straße"_qs, u"Strasse"_qs,
                         u"B"_qs,          u"b"_qs,    u" "_qs,     QString()};
        QRandomGenerator random(seed);
        const QString directions = u"a\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069"_qs;
        for (int i = 0; i < 20; ++i) {
            QString name;
            for (int length = random.bounded(1, 7); length > 0; --length)
                name += i % 2 ? QChar(char16_t(random.bounded(0x10000)))
                              : directions.at(random.bounded(int(directions.size())));
            pool << name;
        }
        Roster roster;
        ReferenceQuiz reference;
        for (int step = 0; step < 5000; ++step) {
            const QString name = pool.at(random.bounded(int(pool.size())));
            const int command = random.bounded(20);
            const auto [outcome, expected] =
                command == 0 ? std::pair{scoring::startNewQuiz(roster), reference.newQuiz()}
                : command <= 3
                    ? std::pair{scoring::removeCandidate(roster, name), reference.remove(name)}
                : command <= 8
                    ? std::pair{scoring::deductPoint(roster, name), reference.minus(name)}
                    : std::pair{scoring::awardPoint(roster, name), reference.plus(name)};
            QCOMPARE(outcome.status, expected.status);
            QCOMPARE(outcome.rebuildStandings, expected.rebuild);
            QCOMPARE(roster.rowCount(), reference.entries.size());
            for (int i = 0; i < roster.count(); ++i) {
                QCOMPARE(roster.name(i), reference.entries.at(i).name);
                QCOMPARE(roster.data(roster.index(i), Roster::PointsRole).toInt(),
                         reference.entries.at(i).points);
            }
            QCOMPARE(scoring::standingsLine(roster), reference.line());
        }
    }
    // The two refusals no random run reaches: the point ceiling and the full list.
    void limits()
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
    void keepFirstLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedCursor");
        QTest::newRow("no break") << u"Anna"_qs << 4 << u"Anna"_qs << 4;
        QTest::newRow("pasted in the middle") << u"abX\nYcd"_qs << 5 << u"abXcd"_qs << 3;
        QTest::newRow("several lines") << u"A\rB\r\nC"_qs << 6 << u"A"_qs << 1;
        QTest::newRow("cursor before the break") << u"A\nB"_qs << 0 << u"AB"_qs << 1;
        for (const char16_t lineBreak : {u'\r', u'\n', u'\u0085', u'\u2028', u'\u2029'})
            QTest::addRow("U+%04X", lineBreak)
                << u'A' + QChar(lineBreak) + u'B' << 3 << u"A"_qs << 1;
    }
    void keepFirstLine()
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
};

QTEST_APPLESS_MAIN(tst_Scoring)
#include "tst_scoring.moc"
