#include "fakeclipboard.h"
#include "fakemessageboxes.h"
#include "frmmain.h"
#include "panelstatusbar.h"
#include "programfont.h"
#include "quietoffscreen.h"
#include "requirechild.h"
#include "simplecombobox.h"
#include "standingslabel.h"

#include <QAccessible>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

// A clipboard that fails, for the window's last line of defence.
class BrokenClipboard : public FakeClipboard
{
public:
    void setText(const QString &) override { throw std::runtime_error("Zwischenablage belegt"); }
};

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        quietOffscreenPlatform();
        useProgramFont();
    }
    void init();
    void cleanup();

    void geometry_data();
    void geometry();
    void fixedWindow();
    void menus_data();
    void menus();
    void toolbar();
    void startState();
    void tabOrder();
    void accessibleNames();

    void scoreByTyping();
    void pickFromList();
    void enterRunsNothing();
    void newQuiz_data();
    void newQuiz();
    void newQuizThroughRealMessageBox();
    void copyButton();
    void namesShownAsTyped_data();
    void namesShownAsTyped();
    void pastedLinesKeepTheFirst();
    void longNameKeepsLayout();
    void longStandingsShowWhatFits();
    void unexpectedErrorKeepsRoster();
    void aboutWindow();

private:
    template <typename T> T *child(const char *name) const
    {
        return requireChild<T>(window.get(), name);
    }
    QLineEdit *edit() const { return child<SimpleComboBox>("cboKandidaten")->lineEdit(); }
    void type(const QString &name)
    {
        edit()->clear();
        edit()->insert(name);
    }
    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    QString status() const { return child<PanelStatusBar>("sbStatusBar")->panelText(); }
    QString standings() const { return child<StandingsLabel>("lblPunktestand")->caption(); }

    FakeMessageBoxes boxes;
    std::unique_ptr<FakeClipboard> clipboard;
    std::unique_ptr<frmMain> window;
};

void tst_frmMain::init()
{
    boxes = FakeMessageBoxes();
    clipboard = std::make_unique<FakeClipboard>();
    window = std::make_unique<frmMain>(frmMain::Services{boxes, *clipboard});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_frmMain::cleanup()
{
    window.reset();
}

void tst_frmMain::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // pixels, relative to the container
    QTest::newRow("toolbar") << u"tbToolBar"_qs << QRect(0, 0, 249, 28);
    QTest::newRow("candidate frame") << u"fraKandidaten"_qs << QRect(8, 32, 233, 145);
    QTest::newRow("standings frame") << u"fraPunktestand"_qs << QRect(8, 184, 233, 121);
    QTest::newRow("copy") << u"cmdCopyPunktestandToClipboard"_qs << QRect(16, 88, 201, 25);
    QTest::newRow("label") << u"lblPunktestand"_qs << QRect(16, 16, 201, 65);
    QTest::newRow("candidates") << u"cboKandidaten"_qs << QRect(16, 16, 201, 90);
    QTest::newRow("plus") << u"cmdPlus"_qs << QRect(16, 112, 57, 25);
    QTest::newRow("minus") << u"cmdMinus"_qs << QRect(80, 112, 57, 25);
    QTest::newRow("remove") << u"cmdLoeschen"_qs << QRect(152, 112, 65, 25);
    QTest::newRow("status bar") << u"sbStatusBar"_qs << QRect(0, 312, 249, 18);
}

void tst_frmMain::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    const auto *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());
}

void tst_frmMain::fixedWindow()
{
    QCOMPARE(window->centralWidget()->size(), QSize(249, 330));
    QCOMPARE(window->centralWidget()->y(), window->menuBar()->height());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(window->windowTitle(), u"Wertungsbrett"_qs);
    QVERIFY(!window->windowIcon().isNull());
}

void tst_frmMain::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    // Each item as "name|caption|shortcut|state"; "-" is a separator.
    QTest::addColumn<QStringList>("items");
    QTest::newRow("file") << u"mnuFile"_qs << u"&Datei"_qs
                          << QStringList{u"mnuFileNew|&Neu|Ctrl+N|"_qs, u"-"_qs,
                                         u"mnuFileExit|&Beenden||"_qs};
    QTest::newRow("edit") << u"mnuEdit"_qs << u"&Bearbeiten"_qs
                          << QStringList{u"mnuEditUndo|&Rückgängig|Ctrl+Z|disabled"_qs, u"-"_qs,
                                         u"mnuEditCut|&Ausschneiden|Ctrl+X|"_qs,
                                         u"mnuEditCopy|&Kopieren|Ctrl+C|"_qs,
                                         u"mnuEditPaste|&Einfügen|Ctrl+V|"_qs};
    QTest::newRow("view") << u"mnuView"_qs << u"&Ansicht"_qs
                          << QStringList{u"mnuViewToolbar|&Symbolleiste||checked"_qs,
                                         u"mnuViewStatusBar|Status&leiste||checked"_qs};
    QTest::newRow("help") << u"mnuHelp"_qs << u"&Hilfe"_qs
                          << QStringList{u"mnuHelpContents|&Inhalt||"_qs,
                                         u"mnuHelpSearchForHelpOn|&Suchen in der Hilfe...||"_qs,
                                         u"-"_qs, u"mnuHelpAbout|In&fo||"_qs};
}

void tst_frmMain::menus()
{
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    const auto *submenu = window->findChild<QMenu *>(menu);
    QVERIFY(submenu);
    QCOMPARE(submenu->title(), title);
    const QList<QAction *> actions = submenu->actions();
    QCOMPARE(actions.size(), items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QStringList f = items.at(i).split(u'|');
        if (f.at(0) == u"-") {
            QVERIFY(actions.at(i)->isSeparator());
            continue;
        }
        QCOMPARE(actions.at(i)->objectName(), f.at(0));
        QCOMPARE(actions.at(i)->text(), f.at(1));
        QCOMPARE(actions.at(i)->shortcut(), QKeySequence(f.at(2)));
        QCOMPARE(actions.at(i)->isEnabled(), f.at(3) != u"disabled");
        QCOMPARE(actions.at(i)->isChecked(), f.at(3) == u"checked");
    }
    const QList<QAction *> bar = window->menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QVERIFY(bar.contains(submenu->menuAction()));
}

void tst_frmMain::toolbar()
{
    const QList<QAction *> buttons = child<QToolBar>("tbToolBar")->actions();
    QStringList seen;
    for (const QAction *button : buttons) {
        if (button->isSeparator()) {
            seen << u"|"_qs;
            continue;
        }
        seen << button->property("key").toString() + u':' + button->toolTip();
        const QSize size = button->icon().actualSize(QSize(16, 16));
        QCOMPARE(size, QSize(16, 16));
    }
    QCOMPARE(seen, (QStringList{u"|"_qs, u"New:Neu"_qs, u"|"_qs, u"Cut:Ausschneiden"_qs,
                                u"Copy:Kopieren"_qs, u"Paste:Einfügen"_qs}));
}

void tst_frmMain::startState()
{
    QCOMPARE(status(), u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs);
    QCOMPARE(standings(), QString());
    QCOMPARE(edit()->text(), QString());
    QCOMPARE(child<SimpleComboBox>("cboKandidaten")->listView()->model()->rowCount(), 0);
    QCOMPARE(child<QGroupBox>("fraKandidaten")->title(), u"Kandidat"_qs);
    QCOMPARE(child<QGroupBox>("fraPunktestand")->title(), u"Punktestand"_qs);
    QCOMPARE(child<QPushButton>("cmdCopyPunktestandToClipboard")->text(),
             u"in Zwischenablage kopieren"_qs);
    QCOMPARE(child<QPushButton>("cmdPlus")->text(), u"+1 Punkt"_qs);
    QCOMPARE(child<QPushButton>("cmdMinus")->text(), u"-1 Punkt"_qs);
    QCOMPARE(child<QPushButton>("cmdLoeschen")->text(), u"Löschen"_qs);
}

void tst_frmMain::tabOrder()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *copy = child<QPushButton>("cmdCopyPunktestandToClipboard");
    QCOMPARE(QApplication::focusWidget(), copy);
    const QList<QWidget *> cycle{edit(), child<QPushButton>("cmdPlus"),
                                 child<QPushButton>("cmdMinus"), child<QPushButton>("cmdLoeschen"),
                                 copy};
    for (QWidget *expected : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    // Space presses the focused copy button.
    QTest::keyClick(copy, Qt::Key_Space);
    QCOMPARE(clipboard->calls, (QStringList{u"clear"_qs, u"setText"_qs}));
}

void tst_frmMain::accessibleNames()
{
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        // Plain containers and Qt's own internals need no name.
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_") ||
            !widget->isVisible() || widget->metaObject() == &QWidget::staticMetaObject)
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(),
                 qPrintable(widget->objectName()));
    }
    type(u"Tom & Jerry"_qs);
    click("cmdPlus");
    const auto *label = child<StandingsLabel>("lblPunktestand");
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<StandingsLabel *>(label))
                 ->text(QAccessible::Name),
             standings());
    QWidget *panel = child<PanelStatusBar>("sbStatusBar")->findChild<QLabel *>(u"panel"_qs);
    QCOMPARE(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name), status());
}

void tst_frmMain::scoreByTyping()
{
    QTest::keyClicks(edit(), u"Anna"_qs);
    click("cmdPlus");
    QCOMPARE(status(), u"+1P für Neueinstieg 'Anna'"_qs);
    click("cmdPlus");
    QCOMPARE(status(), u"+1P für 'Anna'"_qs);
    QCOMPARE(standings(), u"/me --Punkte--  Anna 2P, "_qs);
    click("cmdMinus");
    QCOMPARE(status(), u"-1P für 'Anna'"_qs);
    QCOMPARE(edit()->text(), u"Anna"_qs); // the name stays for the next press
    type(QString());
    click("cmdPlus");
    QCOMPARE(status(), u"-1P für 'Anna'"_qs);
    type(u"Bernd"_qs);
    click("cmdLoeschen");
    QCOMPARE(status(), u"'Bernd' nicht gefunden"_qs);
    type(u"Anna"_qs);
    click("cmdLoeschen");
    QCOMPARE(status(), u"'Anna' gelöscht"_qs);
    QCOMPARE(standings(), QString());
}

void tst_frmMain::pickFromList()
{
    for (const QString &name : {u"Bernd"_qs, u"Anna"_qs, u"Carla"_qs}) {
        type(name);
        click("cmdPlus");
    }
    type(u"xyz"_qs);
    QListView *list = child<SimpleComboBox>("cboKandidaten")->listView();
    const QModelIndex bernd = list->model()->index(1, 0);
    QCOMPARE(bernd.data().toString(), u"Bernd"_qs);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(bernd).center());
    QCOMPARE(edit()->text(), u"Bernd"_qs);
    click("cmdMinus");
    QCOMPARE(standings(), u"/me --Punkte--  Anna 1P, Bernd 0P, Carla 1P, "_qs);
}

void tst_frmMain::enterRunsNothing()
{
    edit()->setFocus();
    QTest::keyClicks(edit(), u"Anna"_qs);
    QTest::keyClick(edit(), Qt::Key_Return);
    QCOMPARE(status(), u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs);
    QCOMPARE(standings(), QString());
}

void tst_frmMain::newQuiz_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("how"); // menu, toolbar or shortcut
    QTest::addColumn<bool>("cleared");
    QTest::newRow("yes from the menu") << int(MessageBoxes::Answer::Yes) << u"menu"_qs << true;
    QTest::newRow("yes from the toolbar")
        << int(MessageBoxes::Answer::Yes) << u"toolbar"_qs << true;
    QTest::newRow("yes by Ctrl+N") << int(MessageBoxes::Answer::Yes) << u"shortcut"_qs << true;
    QTest::newRow("no") << int(MessageBoxes::Answer::No) << u"menu"_qs << false;
    QTest::newRow("cancel") << int(MessageBoxes::Answer::Cancel) << u"toolbar"_qs << false;
}

void tst_frmMain::newQuiz()
{
    QFETCH(int, answer);
    QFETCH(QString, how);
    QFETCH(bool, cleared);
    type(u"Anna"_qs);
    click("cmdPlus");
    boxes.answer = MessageBoxes::Answer(answer);

    if (how == u"menu") {
        window->findChild<QAction *>(u"mnuFileNew"_qs)->trigger();
    } else if (how == u"toolbar") {
        auto *bar = child<QToolBar>("tbToolBar");
        auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(bar->actions().at(1)));
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    }

    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown.at(0).title, u"Neues Quiz"_qs);
    QCOMPARE(boxes.shown.at(0).text,
             u"Wirklich neu anfangen?\r\nAlle Kandidaten und Punktestände werden gelöscht!"_qs);
    QCOMPARE(standings(), cleared ? QString() : u"/me --Punkte--  Anna 1P, "_qs);
    QCOMPARE(edit()->text(), cleared ? QString() : u"Anna"_qs);
    QCOMPARE(status(), cleared ? u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs
                               : u"+1P für Neueinstieg 'Anna'"_qs);
}

void tst_frmMain::newQuizThroughRealMessageBox()
{
    QtMessageBoxes real;
    frmMain realWindow({real, *clipboard});
    realWindow.show();
    realWindow.findChild<SimpleComboBox *>(u"cboKandidaten"_qs)->setText(u"Anna"_qs);
    QTest::mouseClick(realWindow.findChild<QPushButton *>(u"cmdPlus"_qs), Qt::LeftButton);

    QString seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seenText = box->text();
        seenIcon = box->icon();
        QCOMPARE(box->windowTitle(), u"Neues Quiz"_qs);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        box->button(QMessageBox::Yes)->click();
    });
    realWindow.findChild<QAction *>(u"mnuFileNew"_qs)->trigger();
    QCOMPARE(seenText,
             u"Wirklich neu anfangen?\nAlle Kandidaten und Punktestände werden gelöscht!"_qs);
    QCOMPARE(seenIcon, QMessageBox::Question);
    QCOMPARE(realWindow.findChild<StandingsLabel *>(u"lblPunktestand"_qs)->caption(), QString());
}

void tst_frmMain::copyButton()
{
    click("cmdCopyPunktestandToClipboard");
    QCOMPARE(clipboard->content, QString());
    type(u"Anna"_qs);
    click("cmdPlus");
    const QString before = status();
    click("cmdCopyPunktestandToClipboard");
    click("cmdCopyPunktestandToClipboard");
    QCOMPARE(clipboard->content, u"/me --Punkte--  Anna 1P, "_qs);
    QCOMPARE(status(), before);
}

void tst_frmMain::namesShownAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ampersand") << u"Tom & Jerry &&x"_qs;
    QTest::newRow("bold") << u"<b>fett</b>"_qs;
    QTest::newRow("image") << u"<img src=\"/usr/share/pixmaps/debian-logo.png\">"_qs;
    QTest::newRow("link") << u"<a href=\"http://example.invalid\">klick</a>"_qs;
    QTest::newRow("tab, emoji and right-to-left") << u"A\t🦊 \u200Fשרה"_qs;
}

void tst_frmMain::namesShownAsTyped()
{
    QFETCH(QString, name);
    type(name);
    click("cmdPlus");
    const auto *label = child<StandingsLabel>("lblPunktestand");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), u"/me --Punkte--  "_qs + name + u" 1P, "_qs);
    QVERIFY(!label->hasSelectedText() && label->buddy() == nullptr);
    const auto *panel = child<PanelStatusBar>("sbStatusBar")->findChild<QLabel *>(u"panel"_qs);
    QCOMPARE(panel->textFormat(), Qt::PlainText);
    QCOMPARE(panel->text(), u"+1P für Neueinstieg '"_qs + name + u'\'');
    QVERIFY(!panel->openExternalLinks() && !label->openExternalLinks());
}

void tst_frmMain::pastedLinesKeepTheFirst()
{
    type(u"Anna"_qs);
    edit()->setCursorPosition(2);
    edit()->insert(u"X\r\n/kick Anna\r\n"_qs); // what a paste or drop inserts
    QCOMPARE(edit()->text(), u"AnXna"_qs);
    for (const QString &brk : {u"\n"_qs, u"\r"_qs, u"\u0085"_qs, u"\u2028"_qs, u"\u2029"_qs}) {
        type(u"Eins"_qs + brk + u"Zwei"_qs);
        QCOMPARE(edit()->text(), u"Eins"_qs);
    }
}

void tst_frmMain::longNameKeepsLayout()
{
    const QRect statusBar = child<PanelStatusBar>("sbStatusBar")->geometry();
    const QSize size = window->size();
    const QString name(32767, u'M');
    type(name);
    QCOMPARE(edit()->text().size(), 32767);
    click("cmdPlus");
    QCOMPARE(status(), u"+1P für Neueinstieg '"_qs + name + u'\'');
    QTest::qWait(1);
    QCOMPARE(child<PanelStatusBar>("sbStatusBar")->geometry(), statusBar);
    QCOMPARE(window->size(), size);
}

void tst_frmMain::longStandingsShowWhatFits()
{
    for (int i = 0; i < 300; ++i) {
        type(u"Kandidat "_qs + QString::number(i));
        click("cmdPlus");
    }
    const auto *label = child<StandingsLabel>("lblPunktestand");
    QVERIFY(label->caption().size() > 4000);
    QVERIFY(label->text().size() < label->caption().size());
    QVERIFY(label->caption().startsWith(label->text()));
    // What is shown still fills the box.
    QVERIFY(label->heightForWidth(label->width()) > label->height());
    click("cmdCopyPunktestandToClipboard");
    QCOMPARE(clipboard->content, label->caption());
}

void tst_frmMain::unexpectedErrorKeepsRoster()
{
    BrokenClipboard broken;
    frmMain brittle({boxes, broken});
    brittle.findChild<SimpleComboBox *>(u"cboKandidaten"_qs)->setText(u"Anna"_qs);
    QTest::mouseClick(brittle.findChild<QPushButton *>(u"cmdPlus"_qs), Qt::LeftButton);
    QTest::mouseClick(brittle.findChild<QPushButton *>(u"cmdCopyPunktestandToClipboard"_qs),
                      Qt::LeftButton);
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown.at(0).title, u"Wertungsbrett"_qs);
    QCOMPARE(boxes.shown.at(0).text, u"Zwischenablage belegt"_qs);
    QCOMPARE(brittle.findChild<StandingsLabel *>(u"lblPunktestand"_qs)->caption(),
             u"/me --Punkte--  Anna 1P, "_qs);
}

// Help > Info opens the About window modally; it stays open after its
// button fails to find the system information tool (there is none here), and
// closing the main window closes it first.
void tst_frmMain::aboutWindow()
{
    window->findChild<SimpleComboBox *>(u"cboKandidaten"_qs)->setText(u"Anna"_qs);
    click("cmdPlus");
    QPointer<QDialog> about;
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(about);
        QCOMPARE(about->objectName(), u"frmAbout"_qs);
        QCOMPARE(about->parentWidget(), window.get());
        QTest::mouseClick(about->findChild<QPushButton *>(u"cmdSysInfo"_qs), Qt::LeftButton);
        stayedOpen = about->isVisible();
        window->close();
    });
    window->findChild<QAction *>(u"mnuHelpAbout"_qs)->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown.at(0).text, u"System Information Is Unavailable At This Time"_qs);
    QVERIFY(about && !about->isVisible());
    QVERIFY(!window->isVisible());
    QCOMPARE(standings(), u"/me --Punkte--  Anna 1P, "_qs);
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
