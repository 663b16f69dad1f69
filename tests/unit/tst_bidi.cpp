#include "bidi.h"

#include <QTest>

// Closing what a name leaves open of the directional formatting. Where it is
// used, the differential run checks against the reference, and
// tst_candidatelist in the window.
class tst_Bidi : public QObject
{
    Q_OBJECT

private slots:
    void closes_data();
    void closes();
};

void tst_Bidi::closes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("closing"); // what is appended
    QTest::newRow("plain") << u"Anna \u200Fשרה"_qs << QString();
    QTest::newRow("override") << u"\u202EAnna"_qs << u"\u202C"_qs;
    QTest::newRow("closed by the name") << u"\u202Ba\u202Cb\u2068c\u2069"_qs << QString();
    QTest::newRow("embedding in isolate") << u"\u2066a\u202Db"_qs << u"\u202C\u2069"_qs;
    QTest::newRow("no pop through isolate") << u"\u202Aa\u2067b\u202C"_qs << u"\u2069\u202C"_qs;
    QTest::newRow("isolate pop closes all in it")
        << u"\u202B\u2068\u202E\u202Da\u2069"_qs << u"\u202C"_qs;
    QTest::newRow("unmatched pops") << u"\u202C\u2069\u202Ex\u2069\u202C\u202C"_qs << QString();
}

void tst_Bidi::closes()
{
    QFETCH(QString, name);
    QFETCH(QString, closing);
    QCOMPARE(scoring::closeDirectionalRuns(name), name + closing);
}

QTEST_APPLESS_MAIN(tst_Bidi)
#include "tst_bidi.moc"
