#include "fakeclipboard.h"
#include "fakemessageboxes.h"
#include "frmmain.h"
#include "programfont.h"
#include "quietoffscreen.h"
#include "residentmemory.h"
#include "roster.h"
#include "simplecombobox.h"
#include "standingslabel.h"

#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <algorithm>

// The main window at a full roster of 32,767 candidates: what one press of a
// button costs, from the click to the repainted window, and what the roster
// costs in memory. Prints figures; asserts nothing about time.
namespace {

QString candidate(int i)
{
    return QStringLiteral("Kandidat %1").arg(i, 5, 10, QLatin1Char('0'));
}

} // namespace

class bench_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fillRoster();
    void plusExisting();
    void plusExistingQBenchmark();
    void plusNewAtFullRoster();

private:
    void press(const char *button, const QString &name);
    double medianMs(const std::function<void()> &timed, const std::function<void()> &undo);

    FakeMessageBoxes boxes;
    FakeClipboard clipboard;
    std::unique_ptr<frmMain> window;
};

void bench_frmMain::initTestCase()
{
    quietOffscreenPlatform();
    useProgramFont();
    window = std::make_unique<frmMain>(frmMain::Services{boxes, clipboard});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

// One click as the user makes it, and the events it leaves behind, painting
// the changed controls among them.
void bench_frmMain::press(const char *button, const QString &name)
{
    window->findChild<SimpleComboBox *>(u"cboKandidaten"_qs)->setText(name);
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    QCoreApplication::processEvents();
}

double bench_frmMain::medianMs(const std::function<void()> &timed,
                               const std::function<void()> &undo)
{
    std::vector<double> runs;
    for (int i = 0; i < 41; ++i) {
        QElapsedTimer timer;
        timer.start();
        timed();
        runs.push_back(double(timer.nsecsElapsed()) / 1e6);
        undo();
    }
    std::nth_element(runs.begin(), runs.begin() + 20, runs.end());
    return runs[20];
}

void bench_frmMain::fillRoster()
{
    const qint64 before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < scoring::Roster::MaxCount; ++i)
        press("cmdPlus", candidate(i));
    const qint64 elapsed = timer.elapsed();
    const qint64 after = residentKiB();
    qInfo("fill from 0 to 32767 candidates through cmdPlus: %lld ms (%.3f ms per candidate)",
          elapsed, double(elapsed) / scoring::Roster::MaxCount);
    qInfo("resident memory: %lld KiB before, %lld KiB after, roster adds %.1f MB", before, after,
          double(after - before) / 1024.0);
    QCOMPARE(window->findChild<QListView *>()->model()->rowCount(), scoring::Roster::MaxCount);
}

void bench_frmMain::plusExisting()
{
    const QString middle = candidate(16000);
    qInfo("median of 41 presses of \"+1 Punkt\" for an existing candidate: %.3f ms",
          medianMs([&] { press("cmdPlus", middle); }, [] {}));
    const auto *label = window->findChild<StandingsLabel *>(u"lblPunktestand"_qs);
    qInfo("standings line: %lld characters", qlonglong(label->caption().size()));
}

void bench_frmMain::plusExistingQBenchmark()
{
    const QString middle = candidate(16000);
    QBENCHMARK {
        press("cmdPlus", middle);
    }
}

void bench_frmMain::plusNewAtFullRoster()
{
    press("cmdLoeschen", candidate(0));
    const QString newcomer = u"Neuling"_qs;
    qInfo("median of 41 presses of \"+1 Punkt\" entering the 32767th candidate: %.3f ms",
          medianMs([&] { press("cmdPlus", newcomer); }, [&] { press("cmdLoeschen", newcomer); }));
}

QTEST_MAIN(bench_frmMain)
#include "bench_frmmain.moc"
