#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"
#include "mainwindow/simplecombobox.h"
#include "scoring/roster.h"

#include "support/fakes.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>

// What one name of 32,767 characters without a break, and the size of the
// roster, do to a click on "+1 Punkt" (from the click to the repainted
// window) and to a repaint of the whole window. Medians of 101 runs; prints
// figures, asserts nothing about time.
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

private slots:
    void initTestCase() { mainwindow::useProgramFont(); }
    void longName_data();
    void longName();
    void rosterSize();

private:
    // "+1 Punkt" for `clicked` among `count` short names (and the long name,
    // if any, which sorts first: top of the list, start of the line). With
    // `repaint`, a repaint of the window instead, after a click for `clicked`
    // has put it into the edit field, the list, the status panel and the label.
    double measure(int count, const QString &longName, const QString &clicked, bool repaint = false)
    {
        FakeServices fx;
        mainwindow::frmMain window(fx.all());
        auto *roster = window.findChild<scoring::Roster *>();
        for (int i = 0; i < count; ++i)
            roster->add(candidate(i), 1); // in list order: each goes to the end
        if (!longName.isEmpty())
            roster->add(longName, 1);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("window not shown");
        QTest::qWait(50); // the list lays out its rows
        auto *plus = window.findChild<QPushButton *>(u"cmdPlus"_qs);
        window.findChild<mainwindow::SimpleComboBox *>()->lineEdit()->setText(clicked);
        const auto click = [&] {
            QTest::mouseClick(plus, Qt::LeftButton);
            QCoreApplication::processEvents();
        };
        if (!repaint)
            return medianMs(click);
        click();
        return medianMs([&] { window.repaint(); });
    }
};

void bench_LongNames::longName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Latin") << u'A' + QString(32766, u'M');
    QTest::newRow("combining marks") << u'A' + u"a\u0301"_qs.repeated(16383);
    QTest::newRow("Arabic") << u'A' + u"\u0628\u064E"_qs.repeated(16383);
}

void bench_LongNames::longName()
{
    QFETCH(QString, name);
    const QString middle = candidate(2500);
    const double without = measure(5000, QString(), middle);
    const double with = measure(5000, name, middle);
    qInfo("\"+1 Punkt\" at 5000 candidates: %.3f ms, with one 32767-character name %.3f ms "
          "(ratio %.2f)",
          without, with, with / without);
    qInfo("repaint of the window with that name everywhere: %.3f ms (with \"Anna\": %.3f ms)",
          measure(5000, name, name, true), measure(5000, u"Anna"_qs, u"Anna"_qs, true));
}

// The first candidate's points are in sight in the label at any size, the
// middle one's only in a small roster; from about 30 candidates on, the label
// shows as much of the line as it can hold.
void bench_LongNames::rosterSize()
{
    for (const bool first : {true, false}) {
        double ms[3];
        const int sizes[3] = {2, 100, scoring::Roster::MaxCount};
        for (int i = 0; i < 3; ++i)
            ms[i] = measure(sizes[i], QString(), candidate(first ? 0 : sizes[i] / 2));
        qInfo("\"+1 Punkt\" for the %s candidate at 2, 100 and 32767 candidates: %.3f, %.3f and "
              "%.3f ms (32767 against 2: %.2f, against 100: %.2f)",
              first ? "first" : "middle", ms[0], ms[1], ms[2], ms[2] / ms[0], ms[2] / ms[1]);
    }
}

QTEST_MAIN(bench_LongNames)
#include "bench_longnames.moc"
