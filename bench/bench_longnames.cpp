#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"
#include "mainwindow/simplecombobox.h"
#include "mainwindow/statuspanel.h"
#include "scoring/roster.h"

#include "support/accessibility.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>

// What a click costs, from the click to the repainted window, and what a
// repaint of the whole window costs, at the largest roster and with one name
// of 32,767 characters without a break. The accessibility layer is on, as a
// screen reader turns it on. Medians of 101 runs; prints figures, asserts
// nothing about time.
namespace {

QString candidate(int i)
{
    return QStringLiteral("Kandidat %1").arg(i, 5, 10, QLatin1Char('0'));
}

double medianMs(const std::function<void()> &step)
{
    step(); // the first run builds what later runs only update
    std::vector<double> runs;
    for (int i = 0; i < 101; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        runs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(runs.begin(), runs.begin() + 50, runs.end());
    return runs[50];
}

} // namespace

class bench_LongNames : public QObject
{
    Q_OBJECT

    // A window with `count` short names and, if given, the long name, which
    // sorts first: top of the list, start of the line. `typed` is in the
    // edit field.
    struct Quiz
    {
        FakeServices fx;
        mainwindow::frmMain window{fx.all()};

        Quiz(int count, const QString &longName, const QString &typed)
        {
            auto *roster = window.findChild<scoring::Roster *>();
            for (int i = 0; i < count; ++i)
                roster->add(candidate(i), 1); // in list order: each goes to the end
            if (!longName.isEmpty())
                roster->add(longName, 1);
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                qFatal("window not shown");
            window.findChild<mainwindow::SimpleComboBox *>()->lineEdit()->setText(typed);
            click(u"cmdPlus"_qs); // the standings and the status show the name
            QTest::qWait(50);
        }
        void click(const QString &button)
        {
            QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        double clickMs(const QString &button)
        {
            return medianMs([&] { click(button); });
        }
        double repaintMs()
        {
            return medianMs([&] { window.repaint(); });
        }
    };

private slots:
    void initTestCase()
    {
        mainwindow::useProgramFont();
        mainwindow::StatusPanel::installAccessibility();
        activateAccessibility();
    }

    void longName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Latin") << u'A' + QString(32766, u'M');
        QTest::newRow("combining marks") << u'A' + u"a\u0301"_qs.repeated(16383);
        QTest::newRow("Arabic") << u'A' + u"\u0628\u064E"_qs.repeated(16383);
    }
    void longName()
    {
        QFETCH(QString, name);
        Quiz other(100, name, candidate(50));
        Quiz same(100, name, name);
        qInfo("with the name among 100 candidates: \"+1 Punkt\" for another %.3f ms, for the "
              "name %.3f ms; \"-1 Punkt\" for the name %.3f ms; copy %.3f ms; repaint of the "
              "window with the name everywhere %.3f ms",
              other.clickMs(u"cmdPlus"_qs), same.clickMs(u"cmdPlus"_qs),
              same.clickMs(u"cmdMinus"_qs), same.clickMs(u"cmdCopyPunktestandToClipboard"_qs),
              same.repaintMs());
    }

    // The first candidate's points are in sight in the label at any size, the
    // middle one's only in a small roster.
    void rosterSize()
    {
        for (const bool first : {true, false}) {
            double ms[3];
            const int sizes[3] = {2, 100, scoring::Roster::MaxCount};
            for (int i = 0; i < 3; ++i) {
                Quiz quiz(sizes[i], QString(), candidate(first ? 0 : sizes[i] / 2));
                ms[i] = quiz.clickMs(u"cmdPlus"_qs);
            }
            qInfo("\"+1 Punkt\" for the %s candidate at 2, 100 and 32767 candidates: %.3f, %.3f "
                  "and %.3f ms",
                  first ? "first" : "middle", ms[0], ms[1], ms[2]);
        }
        // The copy builds the whole line, which no click but this one does.
        Quiz full(scoring::Roster::MaxCount, QString(), candidate(0));
        qInfo("copy at 32767 candidates: %.3f ms",
              full.clickMs(u"cmdCopyPunktestandToClipboard"_qs));
    }
};

QTEST_MAIN(bench_LongNames)
#include "bench_longnames.moc"
