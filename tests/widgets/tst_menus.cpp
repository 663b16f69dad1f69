#include "desktophelpviewer.h"
#include "fakeclipboard.h"
#include "fakemessageboxes.h"
#include "frmmain.h"
#include "helpviewer.h"
#include "programfont.h"
#include "quietoffscreen.h"
#include "simplecombobox.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>
#include <stdexcept>

namespace {

// Records what the window asks of the help viewer.
class FakeHelpViewer : public HelpViewer
{
public:
    QString helpFile() const override { return file; }
    void show(QWidget *, Request request) override
    {
        requests << request;
        if (!failure.isEmpty())
            throw std::runtime_error(failure.toStdString());
    }

    QString file;
    QString failure;
    QList<Request> requests;
};

// Takes the desktop's file URLs instead of opening them.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void open(const QUrl &url) { urls << url; }

    QList<QUrl> urls;
};

// A clipboard that cannot be used at all.
class DeadClipboard : public FakeClipboard
{
public:
    void clear() override { throw std::runtime_error("Zwischenablage belegt"); }
    QString text() const override { throw std::runtime_error("Zwischenablage belegt"); }
};

} // namespace

// The toolbar dispatch, the View toggles and the Help commands of the main
// window, with stand-ins for every platform service.
class tst_Menus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void toolbarKeys_data();
    void toolbarKeys();
    void editErrorsStaySilent_data();
    void editErrorsStaySilent();
    void viewToggles_data();
    void viewToggles();
    void help_data();
    void help();
    void helpThroughRealMessageBox();
    void desktopViewerOpensTheFile();

private:
    QAction *action(const QString &name) const
    {
        auto *found = window->findChild<QAction *>(name);
        if (!found)
            qFatal("no action %s", qPrintable(name));
        return found;
    }
    QLineEdit *edit() const
    {
        return window->findChild<SimpleComboBox *>(u"cboKandidaten"_qs)->lineEdit();
    }

    FakeMessageBoxes boxes;
    FakeClipboard clipboard;
    FakeHelpViewer helpViewer;
    std::unique_ptr<frmMain> window;
};

void tst_Menus::initTestCase()
{
    quietOffscreenPlatform();
    useProgramFont();
    QApplication::setApplicationName(u"Wertungsbrett"_qs);
}

void tst_Menus::init()
{
    boxes = FakeMessageBoxes();
    clipboard = FakeClipboard();
    helpViewer = FakeHelpViewer();
    window = std::make_unique<frmMain>(frmMain::Services{
        .messageBoxes = boxes, .clipboard = clipboard, .helpViewer = &helpViewer});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_Menus::cleanup()
{
    window.reset();
}

void tst_Menus::toolbarKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("edit");      // the edit text afterwards
    QTest::addColumn<QString>("clipboard"); // the clipboard afterwards
    QTest::addColumn<int>("questions");     // new-quiz confirmations shown
    QTest::newRow("New") << u"New"_qs << u"Anna"_qs << u"alt"_qs << 1;
    QTest::newRow("Cut") << u"Cut"_qs << QString() << u"Anna"_qs << 0;
    QTest::newRow("Copy") << u"Copy"_qs << u"Anna"_qs << u"Anna"_qs << 0;
    QTest::newRow("Paste") << u"Paste"_qs << u"alt"_qs << u"alt"_qs << 0;
    for (const QString &key : {u"new"_qs, u"NEW"_qs, u"cut"_qs, u"COPY"_qs, u"paste"_qs,
                               u"pASTE"_qs, u"New "_qs, u"Copy\u0000"_qs, QString()})
        QTest::addRow("unknown '%s'", qPrintable(QString(key).replace(QChar(0), u"\\0"_qs)))
            << key << u"Anna"_qs << u"alt"_qs << 0;
}

// The toolbar runs the menu handler its button's key names, compared exactly.
void tst_Menus::toolbarKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, edit);
    QFETCH(QString, clipboard);
    QFETCH(int, questions);
    this->clipboard.content = u"alt"_qs;
    this->edit()->setText(u"Anna"_qs);
    this->edit()->setFocus();
    this->edit()->selectAll();

    auto *bar = window->findChild<QToolBar *>(u"tbToolBar"_qs);
    QAction *button = action(u"tbCopy"_qs);
    button->setProperty("key", key);
    QTest::mouseClick(bar->widgetForAction(button), Qt::LeftButton);

    QCOMPARE(this->edit()->text(), edit);
    QCOMPARE(this->clipboard.content, clipboard);
    QCOMPARE(boxes.shown.size(), questions);
}

void tst_Menus::editErrorsStaySilent_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("cut") << u"mnuEditCut"_qs;
    QTest::newRow("copy") << u"mnuEditCopy"_qs;
    QTest::newRow("paste") << u"mnuEditPaste"_qs;
}

// A clipboard that fails ends the command without a message and leaves the
// edit text as it was.
void tst_Menus::editErrorsStaySilent()
{
    QFETCH(QString, item);
    DeadClipboard dead;
    frmMain brittle({boxes, dead});
    auto *field = brittle.findChild<SimpleComboBox *>(u"cboKandidaten"_qs)->lineEdit();
    field->setText(u"Anna"_qs);
    field->setFocus();
    field->selectAll();

    brittle.findChild<QAction *>(item)->trigger();
    QCOMPARE(field->text(), u"Anna"_qs);
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_Menus::viewToggles_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("otherItem");
    QTest::addColumn<QString>("otherBar");
    QTest::addColumn<bool>("checked"); // before the click
    QTest::addColumn<bool>("shown");   // before the click
    const struct
    {
        const char *name;
        QString item, bar, otherItem, otherBar;
    } pairs[] = {
        {"toolbar", u"mnuViewToolbar"_qs, u"tbToolBar"_qs, u"mnuViewStatusBar"_qs,
         u"sbStatusBar"_qs},
        {"status bar", u"mnuViewStatusBar"_qs, u"sbStatusBar"_qs, u"mnuViewToolbar"_qs,
         u"tbToolBar"_qs},
    };
    for (const auto &pair : pairs) {
        const auto row = [&](const char *state, bool checked, bool shown) {
            QTest::addRow("%s, %s", pair.name, state)
                << pair.item << pair.bar << pair.otherItem << pair.otherBar << checked << shown;
        };
        row("checked and shown", true, true);
        row("unchecked and hidden", false, false);
        row("checked but hidden", true, false);
        row("unchecked but shown", false, true);
    }
}

// A click inverts the check mark and the bar follows the mark. Nothing else
// moves or changes.
void tst_Menus::viewToggles()
{
    QFETCH(QString, item);
    QFETCH(QString, bar);
    QFETCH(QString, otherItem);
    QFETCH(QString, otherBar);
    QFETCH(bool, checked);
    QFETCH(bool, shown);
    auto *barWidget = window->findChild<QWidget *>(bar);
    auto *otherBarWidget = window->findChild<QWidget *>(otherBar);
    action(item)->setChecked(checked);
    barWidget->setVisible(shown);
    const QSize size = window->size();
    QList<QRect> geometries;
    for (const QWidget *widget : window->findChildren<QWidget *>())
        geometries << widget->geometry();

    action(item)->trigger();

    QCOMPARE(action(item)->isChecked(), !checked);
    QCOMPARE(barWidget->isVisible(), !checked);
    QVERIFY(action(otherItem)->isChecked());
    QVERIFY(otherBarWidget->isVisible());
    QTest::qWait(1); // let any relayout happen
    QCOMPARE(window->size(), size);
    QList<QRect> after;
    for (const QWidget *widget : window->findChildren<QWidget *>())
        after << widget->geometry();
    QCOMPARE(after, geometries);
}

void tst_Menus::help_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");    // the help file's name
    QTest::addColumn<QString>("failure"); // what the viewer throws
    QTest::addColumn<QString>("box");     // "kind|title|text", empty for none
    QTest::addColumn<int>("request");     // what the viewer was asked, -1 for nothing
    const QString noHelp = u"information|Quiz am Freitag|Keine Hilfe verfügbar."_qs;
    const int contents = int(HelpViewer::Request::Contents);
    const int search = int(HelpViewer::Request::Search);
    QTest::newRow("contents, no help file")
        << u"mnuHelpContents"_qs << QString() << QString() << noHelp << -1;
    QTest::newRow("search, no help file")
        << u"mnuHelpSearchForHelpOn"_qs << QString() << QString() << noHelp << -1;
    QTest::newRow("contents") << u"mnuHelpContents"_qs << u"/usr/share/doc/quiz.html"_qs
                              << QString() << QString() << contents;
    QTest::newRow("search") << u"mnuHelpSearchForHelpOn"_qs << u"/usr/share/doc/quiz.html"_qs
                            << QString() << QString() << search;
    QTest::newRow("viewer fails")
        << u"mnuHelpSearchForHelpOn"_qs << u"/usr/share/doc/quiz.html"_qs
        << u"Kein Programm zum Anzeigen der Hilfe gefunden."_qs
        << u"plain|Wertungsbrett|Kein Programm zum Anzeigen der Hilfe gefunden."_qs << search;
}

// Without a help file both items say so, under the window's current caption;
// with one they go to the viewer, whose failure is described under the
// program's name.
void tst_Menus::help()
{
    QFETCH(QString, item);
    QFETCH(QString, file);
    QFETCH(QString, failure);
    QFETCH(QString, box);
    QFETCH(int, request);
    helpViewer.file = file;
    helpViewer.failure = failure;
    window->setWindowTitle(u"Quiz am Freitag"_qs);

    action(item)->trigger();

    QStringList seen;
    for (const auto &shown : boxes.shown)
        seen << shown.kind + u'|' + shown.title + u'|' + shown.text;
    QCOMPARE(seen, box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(helpViewer.requests.size(), request < 0 ? 0 : 1);
    if (request >= 0)
        QCOMPARE(int(helpViewer.requests.at(0)), request);
}

void tst_Menus::helpThroughRealMessageBox()
{
    QtMessageBoxes real;
    frmMain realWindow({real, clipboard});
    realWindow.show();
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    realWindow.findChild<QAction *>(u"mnuHelpContents"_qs)->trigger();
    QCOMPARE(text, u"Keine Hilfe verfügbar."_qs);
    QCOMPARE(title, u"Wertungsbrett"_qs);
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::Ok);
}

// The desktop has no keyword search: both items open the file itself.
void tst_Menus::desktopViewerOpensTheFile()
{
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler(u"file"_qs, &desktop, "open");
    DesktopHelpViewer viewer(u"/usr/share/doc/wertungsbrett/hilfe.html"_qs);
    frmMain withHelp({.messageBoxes = boxes, .clipboard = clipboard, .helpViewer = &viewer});
    withHelp.findChild<QAction *>(u"mnuHelpContents"_qs)->trigger();
    withHelp.findChild<QAction *>(u"mnuHelpSearchForHelpOn"_qs)->trigger();
    QDesktopServices::unsetUrlHandler(u"file"_qs);
    const QUrl file(u"file:///usr/share/doc/wertungsbrett/hilfe.html"_qs);
    QCOMPARE(desktop.urls, (QList<QUrl>{file, file}));
    QCOMPARE(boxes.shown.size(), 0);
}

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
