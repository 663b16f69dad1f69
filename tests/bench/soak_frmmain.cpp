#include "fakeclipboard.h"
#include "fakemessageboxes.h"
#include "frmmain.h"
#include "quietoffscreen.h"
#include "referencequiz.h"
#include "requirechild.h"
#include "residentmemory.h"
#include "simplecombobox.h"
#include "standingslabel.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <malloc.h>

// A long quiz night: one million random commands through the main window on
// the offscreen platform: the five scoring commands, Cut, Copy and Paste from
// the Edit menu and the View toggles, with names typed from a pool of bad
// inputs or picked from the list, and the new-quiz question answered at
// random. Prints commands per second and memory; checks that the standings
// always match the reference and that resident memory stays flat once the
// roster has stopped growing.
namespace {

constexpr int Commands = 1'000'000;
constexpr int ReportEvery = 100'000;
constexpr int CompareEvery = 1'000;
// Pending events, repaints among them, run after every so many commands, as
// they run after a burst of input: painting after each of a million commands
// would take half an hour.
constexpr int EventsEvery = 100;
// Growth after the first report that still counts as flat: what the roster,
// the clipboard and the edit field's undo history hold varies by a few MB.
constexpr qint64 FlatKiB = 4096;

// The heap the program holds, without what the allocator keeps in reserve:
// tells growth in use from growth of the allocator's reserve.
qint64 heapInUseKiB()
{
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks + heap.hblkhd) / 1024;
}

QStringList namePool()
{
    QString words;
    while (words.size() < 32767)
        words += u"Wort "_qs;
    QStringList pool{u""_qs,
                     u"Anna"_qs,
                     u"anna"_qs,
                     u" Anna "_qs,
                     u"Ärger"_qs,
                     u"Zoë"_qs,
                     u"O'Brien"_qs,
                     u"<b>fett</b>"_qs,
                     u"<img src=\"x.png\">"_qs,
                     u"&Anna"_qs,
                     u"A && B"_qs,
                     u"&amp;"_qs,
                     u"\tTab"_qs,
                     u"a\tb"_qs,
                     u"\u200Fאבג"_qs,
                     u"\u202Eabc"_qs,
                     u"🦊"_qs,
                     u"👩‍👩‍👧"_qs,
                     QString(QChar(0xD800)),
                     QChar(0xDC00) + u"x"_qs,
                     QString(QChar(0)),
                     u"a"_qs + QChar(0) + u"b"_qs,
                     QString(32767, u'W'),
                     words.left(32767)};
    for (int i = 0; i < 200; ++i)
        pool << u"Kandidat "_qs + QString::number(i);
    return pool;
}

// What other programs leave on the clipboard.
QStringList pastePool()
{
    return {u"Zeile eins\nZeile zwei"_qs,
            u"\r\nnach dem Umbruch"_qs,
            u"Anna\r\n"_qs,
            u"A\u2028B\u2029C"_qs,
            u"eins\n"_qs.repeated(10),
            QString(40000, u'x'),
            u"Bernd"_qs,
            u"🦊\n🦊"_qs};
}

} // namespace

class soak_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void soak();

private:
    template <typename T> T *child(const char *name) const
    {
        return requireChild<T>(window.get(), name);
    }
    void runOne();
    void pick();
    void click(const char *button);
    void scoring(const char *button, ReferenceQuiz::Step (ReferenceQuiz::*rule)(const QString &));
    void editCommand(const char *action);

    QRandomGenerator random{20261206};
    const QStringList names = namePool();
    const QStringList pastes = pastePool();
    FakeMessageBoxes boxes;
    FakeClipboard clipboard;
    ReferenceQuiz reference;
    std::unique_ptr<frmMain> window;
    QLineEdit *edit = nullptr;
    QListView *list = nullptr;
};

void soak_frmMain::initTestCase()
{
    quietOffscreenPlatform();
    window = std::make_unique<frmMain>(frmMain::Services{boxes, clipboard});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    edit = child<SimpleComboBox>("cboKandidaten")->lineEdit();
    list = child<SimpleComboBox>("cboKandidaten")->listView();
}

void soak_frmMain::click(const char *button)
{
    child<QPushButton>(button)->click();
}

// A click on a random entry of the list puts its name, as stored, into the
// edit field.
void soak_frmMain::pick()
{
    const int rows = list->model()->rowCount();
    if (rows == 0)
        return;
    const QModelIndex entry = list->model()->index(random.bounded(rows), 0);
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
    QCOMPARE(edit->text(), entry.data(Qt::EditRole).toString());
}

void soak_frmMain::scoring(const char *button,
                           ReferenceQuiz::Step (ReferenceQuiz::*rule)(const QString &))
{
    const QString name = edit->text();
    click(button);
    (reference.*rule)(name);
}

// Acts on the focused control, mostly the edit field with a random selection.
void soak_frmMain::editCommand(const char *action)
{
    if (random.bounded(5) > 0) {
        edit->setFocus();
        const int start = random.bounded(int(edit->text().size()) + 1);
        edit->setSelection(start, random.bounded(int(edit->text().size()) - start + 1));
    }
    child<QAction>(action)->trigger();
}

void soak_frmMain::runOne()
{
    const int input = random.bounded(10);
    if (input < 2) {
        edit->clear();
        edit->insert(names.at(random.bounded(int(names.size()))));
    } else if (input < 4) {
        pick();
    }
    if (random.bounded(100) < 3) // another program copied something
        clipboard.content = pastes.at(random.bounded(int(pastes.size())));

    const int command = random.bounded(100);
    if (command < 34) {
        scoring("cmdPlus", &ReferenceQuiz::plus);
    } else if (command < 51) {
        scoring("cmdMinus", &ReferenceQuiz::minus);
    } else if (command < 60) {
        scoring("cmdLoeschen", &ReferenceQuiz::remove);
    } else if (command < 62) {
        boxes.answer = MessageBoxes::Answer(random.bounded(3));
        child<QAction>("mnuFileNew")->trigger();
        if (boxes.answer == MessageBoxes::Answer::Yes)
            reference.newQuiz();
    } else if (command < 67) {
        click("cmdCopyPunktestandToClipboard");
    } else if (command < 73) {
        editCommand("mnuEditCut");
    } else if (command < 79) {
        editCommand("mnuEditCopy");
    } else if (command < 87) {
        editCommand("mnuEditPaste");
    } else if (command < 93) {
        child<QAction>("mnuViewToolbar")->trigger();
    } else {
        child<QAction>("mnuViewStatusBar")->trigger();
    }
    // The stand-ins keep a record of every call; a night's worth is no leak.
    boxes.shown.clear();
    clipboard.calls.clear();
}

void soak_frmMain::soak()
{
    const auto *standings = child<StandingsLabel>("lblPunktestand");
    qint64 flatFrom = -1;
    int largestRoster = 0;
    qInfo("%9s %8s %11s %13s %13s %7s", "commands", "seconds", "commands/s", "resident KiB",
          "heap KiB", "roster");
    qInfo("%9d %8s %11s %13lld %13lld %7d", 0, "", "", residentKiB(), heapInUseKiB(), 0);
    QElapsedTimer total, stretch;
    total.start();
    stretch.start();
    for (int done = 1; done <= Commands; ++done) {
        runOne();
        if (QTest::currentTestFailed())
            return;
        if (done % EventsEvery == 0)
            QCoreApplication::processEvents();
        const int rosterSize = list->model()->rowCount();
        largestRoster = std::max(largestRoster, rosterSize);
        if (done % CompareEvery == 0)
            QCOMPARE(standings->caption(), reference.line());
        if (done % ReportEvery == 0) {
            const qint64 resident = residentKiB();
            qInfo("%9d %8.1f %11.0f %13lld %13lld %7d", done, total.elapsed() / 1000.0,
                  ReportEvery * 1000.0 / std::max<qint64>(1, stretch.restart()), resident,
                  heapInUseKiB(), rosterSize);
            if (flatFrom < 0)
                flatFrom = resident;
        }
    }
    const qint64 end = residentKiB();
    qInfo("%d commands in %.1f s: %.0f commands/s; largest roster %d; resident memory grew by "
          "%lld KiB after the first %d commands",
          Commands, total.elapsed() / 1000.0, Commands * 1000.0 / total.elapsed(), largestRoster,
          end - flatFrom, ReportEvery);
    QVERIFY2(end - flatFrom < FlatKiB, "memory grows with a roster that does not");
}

QTEST_MAIN(soak_frmMain)
#include "soak_frmmain.moc"
