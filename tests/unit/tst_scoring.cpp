#include "clipboard.h"
#include "commands.h"
#include "fakeclipboard.h"
#include "roster.h"
#include "singleline.h"
#include "standings.h"
#include "texts.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using scoring::Outcome;
using scoring::Roster;

namespace {

// Runs one command written as "+name", "-name", "xname" (remove) or "N" (new
// quiz, confirmed) and returns what it reported.
Outcome run(Roster &roster, const QString &step)
{
    const QString name = step.mid(1);
    switch (step.at(0).unicode()) {
    case u'+':
        return scoring::awardPoint(roster, name);
    case u'-':
        return scoring::deductPoint(roster, name);
    case u'x':
        return scoring::removeCandidate(roster, name);
    default:
        return scoring::startNewQuiz(roster);
    }
}

QStringList names(const Roster &roster)
{
    QStringList result;
    for (int i = 0; i < roster.count(); ++i)
        result << roster.name(i);
    return result;
}

const QString Unchanged = QStringLiteral("<unchanged>");

} // namespace

class tst_Scoring : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void badNames_data();
    void badNames();
    void listOrder_data();
    void listOrder();
    void pointsCeiling();
    void fullRoster();
    void modelSignals();
    void copyStandings();
    void keepFirstLine_data();
    void keepFirstLine();
};

void tst_Scoring::commands_data()
{
    QTest::addColumn<QStringList>("steps");
    // The status text after each step, or Unchanged where none was set.
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QString>("standings");

    QTest::newRow("empty name does nothing")
        << QStringList{u"+"_qs.left(1), u"-"_qs.left(1), u"x"_qs.left(1)}
        << QStringList{Unchanged, Unchanged, Unchanged} << QString();
    QTest::newRow("new candidate")
        << QStringList{u"+Anna"_qs} << QStringList{u"+1P für Neueinstieg 'Anna'"_qs}
        << u"/me --Punkte--  Anna 1P, "_qs;
    QTest::newRow("second point") << QStringList{u"+Anna"_qs, u"+Anna"_qs}
                                  << QStringList{u"+1P für Neueinstieg 'Anna'"_qs,
                                                 u"+1P für 'Anna'"_qs}
                                  << u"/me --Punkte--  Anna 2P, "_qs;
    QTest::newRow("down to zero and refused below")
        << QStringList{u"+Bernd"_qs, u"-Bernd"_qs, u"-Bernd"_qs, u"+Anna"_qs}
        << QStringList{u"+1P für Neueinstieg 'Bernd'"_qs, u"-1P für 'Bernd'"_qs,
                       u"Weniger als 0P nicht möglich."_qs, u"+1P für Neueinstieg 'Anna'"_qs}
        << u"/me --Punkte--  Anna 1P, Bernd 0P, "_qs;
    QTest::newRow("minus for a stranger adds nobody")
        << QStringList{u"+Anna"_qs, u"-Bernd"_qs}
        << QStringList{u"+1P für Neueinstieg 'Anna'"_qs, Unchanged}
        << u"/me --Punkte--  Anna 1P, "_qs;
    QTest::newRow("case and spaces make other candidates")
        << QStringList{u"+Anna"_qs, u"+anna"_qs, u"+Anna "_qs, u"+ "_qs}
        << QStringList{u"+1P für Neueinstieg 'Anna'"_qs, u"+1P für Neueinstieg 'anna'"_qs,
                       u"+1P für Neueinstieg 'Anna '"_qs, u"+1P für Neueinstieg ' '"_qs}
        << u"/me --Punkte--    1P, anna 1P, Anna 1P, Anna  1P, "_qs;
    QTest::newRow("remove") << QStringList{u"+Anna"_qs, u"+Bernd"_qs, u"xAnna"_qs}
                            << QStringList{u"+1P für Neueinstieg 'Anna'"_qs,
                                           u"+1P für Neueinstieg 'Bernd'"_qs, u"'Anna' gelöscht"_qs}
                            << u"/me --Punkte--  Bernd 1P, "_qs;
    QTest::newRow("remove the last empties the line")
        << QStringList{u"+Anna"_qs, u"xAnna"_qs}
        << QStringList{u"+1P für Neueinstieg 'Anna'"_qs, u"'Anna' gelöscht"_qs} << QString();
    QTest::newRow("remove quotes the typed name when not found")
        << QStringList{u"+Anna"_qs, u"xanna"_qs}
        << QStringList{u"+1P für Neueinstieg 'Anna'"_qs, u"'anna' nicht gefunden"_qs}
        << u"/me --Punkte--  Anna 1P, "_qs;
    QTest::newRow("removed name comes back new")
        << QStringList{u"+Anna"_qs, u"+Anna"_qs, u"xAnna"_qs, u"+Anna"_qs}
        << QStringList{u"+1P für Neueinstieg 'Anna'"_qs, u"+1P für 'Anna'"_qs,
                       u"'Anna' gelöscht"_qs, u"+1P für Neueinstieg 'Anna'"_qs}
        << u"/me --Punkte--  Anna 1P, "_qs;
    QTest::newRow("new quiz") << QStringList{u"+Anna"_qs, u"N"_qs, u"+Anna"_qs}
                              << QStringList{u"+1P für Neueinstieg 'Anna'"_qs,
                                             scoring::texts::OpeningHint,
                                             u"+1P für Neueinstieg 'Anna'"_qs}
                              << u"/me --Punkte--  Anna 1P, "_qs;
    QTest::newRow("new quiz on an empty roster")
        << QStringList{u"N"_qs} << QStringList{scoring::texts::OpeningHint} << QString();
}

void tst_Scoring::commands()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, statuses);
    QFETCH(QString, standings);

    Roster roster;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const Outcome outcome = run(roster, steps.at(i));
        QCOMPARE(outcome.status.value_or(Unchanged), statuses.at(i));
        // Only an empty name spares the rebuild of the line.
        QCOMPARE(outcome.rebuildStandings, steps.at(i).size() > 1 || steps.at(i) == u"N");
    }
    QCOMPARE(scoring::standingsLine(roster), standings);
}

void tst_Scoring::badNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces only") << u"   "_qs;
    QTest::newRow("apostrophes") << u"O'Brien 'Bob'"_qs;
    QTest::newRow("separator inside") << u"Anna 3P, Bernd"_qs;
    QTest::newRow("ampersand") << u"Tom & Jerry &&"_qs;
    QTest::newRow("markup") << u"<b>fett</b>"_qs;
    QTest::newRow("image") << u"<img src=\"/etc/passwd\">"_qs;
    QTest::newRow("link") << u"<a href=\"http://example.invalid\">x</a>"_qs;
    QTest::newRow("tab") << u"A\tB"_qs;
    QTest::newRow("right-to-left mark") << u"\u200Fשרה\u200E"_qs;
    QTest::newRow("emoji") << u"🦊 Fuchs"_qs;
    QTest::newRow("unpaired surrogate") << QString(QChar(0xD800)) + u"x"_qs;
    QTest::newRow("NUL") << QString(QChar(0)) + u"nul"_qs;
    QTest::newRow("longest") << QString(32767, u'W');
}

// Whatever the name, it is stored, found, reported and written unchanged.
void tst_Scoring::badNames()
{
    QFETCH(QString, name);
    Roster roster;
    scoring::awardPoint(roster, u"Mia"_qs);
    QCOMPARE(*scoring::awardPoint(roster, name).status, u"+1P für Neueinstieg '"_qs + name + u'\'');
    QCOMPARE(*scoring::awardPoint(roster, name).status, u"+1P für '"_qs + name + u'\'');
    QCOMPARE(roster.count(), 2);
    QCOMPARE(roster.points(roster.find(name)), 2);
    QVERIFY(scoring::standingsLine(roster).contains(name + u" 2P, "_qs));
    QCOMPARE(*scoring::removeCandidate(roster, name).status, u'\'' + name + u"' gelöscht"_qs);
    QCOMPARE(names(roster), QStringList{u"Mia"_qs});
}

void tst_Scoring::listOrder_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("German collation")
        << QStringList{u"Zoe"_qs, u"Bernd"_qs, u"Ärger"_qs, u"Anton"_qs, u"anna"_qs, u"Anna"_qs}
        << QStringList{u"anna"_qs, u"Anna"_qs, u"Anton"_qs, u"Ärger"_qs, u"Bernd"_qs, u"Zoe"_qs};
    QTest::newRow("umlaut and ß") << QStringList{u"Öl"_qs, u"Ol"_qs, u"Straße"_qs, u"Strasse"_qs,
                                                 u"Oma"_qs}
                                  << QStringList{u"Ol"_qs, u"Öl"_qs, u"Oma"_qs, u"Strasse"_qs,
                                                 u"Straße"_qs};
    QTest::newRow("the same order whatever came first")
        << QStringList{u"Anna"_qs, u"anna"_qs, u"Ärger"_qs, u"Anton"_qs, u"Zoe"_qs, u"Bernd"_qs}
        << QStringList{u"anna"_qs, u"Anna"_qs, u"Anton"_qs, u"Ärger"_qs, u"Bernd"_qs, u"Zoe"_qs};
}

void tst_Scoring::listOrder()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    Roster roster;
    for (const QString &name : added)
        scoring::awardPoint(roster, name);
    QCOMPARE(names(roster), expected);
    for (const QString &name : added)
        QCOMPARE(roster.name(roster.find(name)), name);
}

void tst_Scoring::pointsCeiling()
{
    Roster roster;
    const int position = roster.add(u"Anna"_qs, std::numeric_limits<qint32>::max() - 1);
    QCOMPARE(*scoring::awardPoint(roster, u"Anna"_qs).status, u"+1P für 'Anna'"_qs);
    const Outcome refused = scoring::awardPoint(roster, u"Anna"_qs);
    QCOMPARE(*refused.status, u"Mehr als 2147483647P nicht möglich."_qs);
    QVERIFY(!refused.rebuildStandings);
    QCOMPARE(roster.points(position), std::numeric_limits<qint32>::max());
    QCOMPARE(scoring::standingsLine(roster), u"/me --Punkte--  Anna 2147483647P, "_qs);
    QCOMPARE(*scoring::deductPoint(roster, u"Anna"_qs).status, u"-1P für 'Anna'"_qs);
}

void tst_Scoring::fullRoster()
{
    Roster roster;
    for (int i = 0; i < Roster::MaxCount; ++i)
        roster.add(QString::number(i), 0);
    const Outcome refused = scoring::awardPoint(roster, u"Neu"_qs);
    QCOMPARE(*refused.status, u"Höchstens 32767 Kandidaten möglich."_qs);
    QCOMPARE(roster.count(), Roster::MaxCount);
    QCOMPARE(roster.find(u"Neu"_qs), -1);
    // Those already in still score, and one leaving makes room again.
    QCOMPARE(*scoring::awardPoint(roster, u"123"_qs).status, u"+1P für '123'"_qs);
    scoring::removeCandidate(roster, u"0"_qs);
    QCOMPARE(*scoring::awardPoint(roster, u"Neu"_qs).status, u"+1P für Neueinstieg 'Neu'"_qs);
    QCOMPARE(roster.count(), Roster::MaxCount);
}

// The list on screen follows the roster through the model's signals.
void tst_Scoring::modelSignals()
{
    Roster roster;
    QSignalSpy inserted(&roster, &Roster::rowsInserted);
    QSignalSpy removed(&roster, &Roster::rowsRemoved);
    QSignalSpy reset(&roster, &Roster::modelReset);
    QSignalSpy changed(&roster, &Roster::dataChanged);
    scoring::awardPoint(roster, u"Bernd"_qs);
    scoring::awardPoint(roster, u"Anna"_qs);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 0); // Anna goes before Bernd
    scoring::awardPoint(roster, u"Bernd"_qs);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(roster.data(roster.index(1), Roster::PointsRole).toInt(), 2);
    QCOMPARE(roster.data(roster.index(1)).toString(), u"Bernd"_qs);
    scoring::removeCandidate(roster, u"Anna"_qs);
    QCOMPARE(removed.size(), 1);
    scoring::startNewQuiz(roster);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(roster.rowCount(), 0);
}

void tst_Scoring::copyStandings()
{
    FakeClipboard clipboard;
    clipboard.content = u"vorher"_qs;
    scoring::copyStandings(clipboard, u"/me --Punkte--  Anna 1P, "_qs);
    QCOMPARE(clipboard.calls, (QStringList{u"clear"_qs, u"setText"_qs}));
    QCOMPARE(clipboard.content, u"/me --Punkte--  Anna 1P, "_qs);
    scoring::copyStandings(clipboard, QString());
    QCOMPARE(clipboard.content, QString());
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
    QTest::newRow("break first") << u"ab\nYcd"_qs << 4 << u"abcd"_qs << 2;
    QTest::newRow("several lines") << u"A\rB\nC\u0085D\u2028E\u2029F"_qs << 11 << u"A"_qs << 1;
    QTest::newRow("cursor before the break") << u"A\nB"_qs << 0 << u"AB"_qs << 1;
}

void tst_Scoring::keepFirstLine()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, expected);
    QFETCH(int, expectedCursor);
    scoring::keepFirstLine(text, cursor);
    QCOMPARE(text, expected);
    QCOMPARE(cursor, expectedCursor);
}

QTEST_APPLESS_MAIN(tst_Scoring)
#include "tst_scoring.moc"
