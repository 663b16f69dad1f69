#include "mainwindow/frmmain.h"
#include "mainwindow/panelstatusbar.h"
#include "mainwindow/programfont.h"
#include "mainwindow/simplecombobox.h"
#include "mainwindow/standingslabel.h"

#include "fakes.h"
#include "hostilenames.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

using mainwindow::frmMain;
using Answer = services::MessageBoxes::Answer;

namespace {

const QString OpeningHint = u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs;

// Answers the next modal box with `button`; `seen` gets what it showed.
void answerRealBox(QMessageBox::StandardButton button, QString &seen)
{
    QTimer::singleShot(0, [&seen, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                           QString::number(box->standardButtons()),
                           QString::number(box->standardButton(box->defaultButton()))}
                   .join(u'|');
        box->button(button)->click();
    });
}

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { mainwindow::useProgramFont(); }
    void init();
    void cleanup() { window.reset(); }

    void controls();
    void looks();
    void scoreThroughTheWindow();
    void newQuiz_data();
    void newQuiz();
    void realMessageBoxes();
    void copyAndUnexpectedErrors();
    void namesShownAsTyped_data();
    void namesShownAsTyped();
    void longTextsKeepTheLayout();
    void editCommands_data();
    void editCommands();
    void viewToggles();
    void help_data();
    void help();
    void aboutWindow();

private:
    template <typename T = QWidget> T *child(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    QAction *action(const QString &name) const { return child<QAction>(name); }
    QLineEdit *edit() const
    {
        return child<mainwindow::SimpleComboBox>(u"cboKandidaten"_qs)->lineEdit();
    }
    void type(const QString &name) { edit()->setText(name); }
    void click(const QString &button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    QString status() const
    {
        return child<mainwindow::PanelStatusBar>(u"sbStatusBar"_qs)->panelText();
    }
    QString standings() const
    {
        return child<mainwindow::StandingsLabel>(u"lblPunktestand"_qs)->caption();
    }

    std::unique_ptr<FakeServices> fx;
    std::unique_ptr<frmMain> window;
};

void tst_frmMain::init()
{
    fx = std::make_unique<FakeServices>();
    window = std::make_unique<frmMain>(fx->all());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

// Every control the program and its users name is there, and the keyboard
// walks them in the layout's order, starting at the copy button.
void tst_frmMain::controls()
{
    for (const char *name : {"tbToolBar", "fraKandidaten", "fraPunktestand", "menubar"})
        QVERIFY2(window->findChild<QWidget *>(QLatin1String(name)), name);
    const QList<QWidget *> cycle{edit(), child(u"cmdPlus"_qs), child(u"cmdMinus"_qs),
                                 child(u"cmdLoeschen"_qs),
                                 child(u"cmdCopyPunktestandToClipboard"_qs)};
    QCOMPARE(QApplication::focusWidget(), cycle.last());
    for (QWidget *expected : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    QCOMPARE(status(), OpeningHint);
    QCOMPARE(standings(), QString());
    // Every visible control has a name a screen reader can say.
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_") ||
            !widget->isVisible() || widget->metaObject() == &QWidget::staticMetaObject)
            continue;
        QVERIFY2(!QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty(),
                 qPrintable(widget->objectName()));
    }
}

// Beyond the layout: separators named as the menus name them, one font for
// the window, its menus and its message boxes, and frames whose top line runs
// through their caption's letters, above their controls.
void tst_frmMain::looks()
{
    for (const QString &menu : {u"mnuFile"_qs, u"mnuEdit"_qs, u"mnuHelp"_qs}) {
        const QAction *bar = action(menu + u"Bar0"_qs);
        QVERIFY(bar->isSeparator() && child<QMenu>(menu)->actions().contains(bar));
        QCOMPARE(child<QMenu>(menu)->font(), window->font());
    }
    QTimer::singleShot(0, [this] {
        QWidget *box = QApplication::activeModalWidget();
        QCOMPARE(box->findChild<QLabel *>(u"qt_msgbox_label"_qs)->font(), window->font());
        box->close();
    });
    services::QtMessageBoxes().inform(window.get(), {}, u"Text"_qs);
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        const QImage picture = frame->grab().toImage();
        const int background = qGray(frame->palette().color(QPalette::Window).rgb());
        const auto inked = [&](int x, int y) {
            return qAbs(qGray(picture.pixel(x, y)) - background) > 32;
        };
        const int controls = frame->childrenRect().top();
        int line = -1, top = -1, bottom = -1;
        for (int y = 0; y < controls; ++y) {
            line = line < 0 && inked(frame->width() - 8, y) ? y : line;
            for (int x = 8; x < 8 + frame->fontMetrics().horizontalAdvance(frame->title()); ++x) {
                top = top < 0 && inked(x, y) ? y : top;
                bottom = inked(x, y) ? y : bottom;
            }
        }
        QVERIFY(0 <= top && top < line && line < bottom && line + 1 < controls);
    }
}

void tst_frmMain::scoreThroughTheWindow()
{
    const auto step = [this](const QString &name, const QString &button, const QString &said) {
        type(name);
        click(button);
        QCOMPARE(status(), said);
        QCOMPARE(edit()->text(), name); // the name stays for the next press
    };
    step(u"Bernd"_qs, u"cmdPlus"_qs, u"+1P für Neueinstieg 'Bernd'"_qs);
    step(u"Anna"_qs, u"cmdPlus"_qs, u"+1P für Neueinstieg 'Anna'"_qs);
    step(u"Anna"_qs, u"cmdPlus"_qs, u"+1P für 'Anna'"_qs);
    step(QString(), u"cmdMinus"_qs, u"+1P für 'Anna'"_qs);
    step(u"Carla"_qs, u"cmdLoeschen"_qs, u"'Carla' nicht gefunden"_qs);
    step(u"Carla"_qs, u"cmdPlus"_qs, u"+1P für Neueinstieg 'Carla'"_qs);
    QCOMPARE(standings(), u"/me --Punkte--  Anna 2P, Bernd 1P, Carla 1P, "_qs);

    QListView *list = child<mainwindow::SimpleComboBox>(u"cboKandidaten"_qs)->listView();
    const QModelIndex bernd = list->model()->index(1, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(bernd).center());
    QCOMPARE(edit()->text(), u"Bernd"_qs);
    click(u"cmdMinus"_qs);
    QCOMPARE(status(), u"-1P für 'Bernd'"_qs);
    click(u"cmdMinus"_qs);
    QCOMPARE(status(), u"Weniger als 0P nicht möglich."_qs);
    step(u"Anna"_qs, u"cmdLoeschen"_qs, u"'Anna' gelöscht"_qs);
    QCOMPARE(standings(), u"/me --Punkte--  Bernd 0P, Carla 1P, "_qs);

    // Enter in the edit field presses nothing.
    QTest::keyClick(edit(), Qt::Key_Return);
    QCOMPARE(status(), u"'Anna' gelöscht"_qs);
}

void tst_frmMain::newQuiz_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("how");
    QTest::newRow("yes from the menu") << int(Answer::Yes) << u"menu"_qs;
    QTest::newRow("yes from the toolbar") << int(Answer::Yes) << u"toolbar"_qs;
    QTest::newRow("yes by Ctrl+N") << int(Answer::Yes) << u"shortcut"_qs;
    QTest::newRow("no") << int(Answer::No) << u"menu"_qs;
    QTest::newRow("cancel") << int(Answer::Cancel) << u"toolbar"_qs;
}

void tst_frmMain::newQuiz()
{
    QFETCH(int, answer);
    QFETCH(QString, how);
    type(u"Anna"_qs);
    click(u"cmdPlus"_qs);
    fx->boxes.answer = Answer(answer);
    if (how == u"menu")
        action(u"mnuFileNew"_qs)->trigger();
    else if (how == u"toolbar")
        QTest::mouseClick(child<QToolBar>(u"tbToolBar"_qs)->widgetForAction(action(u"tbNew"_qs)),
                          Qt::LeftButton);
    else
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(fx->boxes.shown.size(), 1);
    QCOMPARE(fx->boxes.shown.at(0).kind + fx->boxes.shown.at(0).title + fx->boxes.shown.at(0).text,
             u"questionNeues QuizWirklich neu anfangen?\r\nAlle Kandidaten und Punktestände "
             "werden gelöscht!"_qs);
    const bool cleared = answer == int(Answer::Yes);
    QCOMPARE(standings(), cleared ? QString() : u"/me --Punkte--  Anna 1P, "_qs);
    QCOMPARE(edit()->text(), cleared ? QString() : u"Anna"_qs);
    QCOMPARE(status(), cleared ? OpeningHint : u"+1P für Neueinstieg 'Anna'"_qs);
}

// The real boxes: question with Yes as default, information with OK only,
// line breaks as the desktop shows them.
void tst_frmMain::realMessageBoxes()
{
    services::QtMessageBoxes real;
    frmMain realWindow({real, fx->clipboard, fx->help, fx->system});
    realWindow.findChild<mainwindow::SimpleComboBox *>(u"cboKandidaten"_qs)->setText(u"Anna"_qs);
    QTest::mouseClick(realWindow.findChild<QPushButton *>(u"cmdPlus"_qs), Qt::LeftButton);
    QString question, information;
    answerRealBox(QMessageBox::Yes, question);
    realWindow.findChild<QAction *>(u"mnuFileNew"_qs)->trigger();
    QCOMPARE(question, u"Neues Quiz|Wirklich neu anfangen?\nAlle Kandidaten und Punktestände "
                       "werden gelöscht!|4|%1|%2"_qs
                           .arg(int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel))
                           .arg(QMessageBox::Yes));
    QCOMPARE(realWindow.findChild<mainwindow::StandingsLabel *>()->caption(), QString());
    answerRealBox(QMessageBox::Ok, information);
    realWindow.findChild<QAction *>(u"mnuHelpContents"_qs)->trigger();
    QCOMPARE(information, u"Wertungsbrett|Keine Hilfe verfügbar.|1|%1|%1"_qs.arg(QMessageBox::Ok));
}

// The copy button hands over the whole line; an error no handler expects is
// shown under the program's name and costs nothing else.
void tst_frmMain::copyAndUnexpectedErrors()
{
    click(u"cmdCopyPunktestandToClipboard"_qs);
    QCOMPARE(fx->clipboard.content, QString());
    for (int i = 0; i < 300; ++i) {
        type(u"Kandidat "_qs + QString::number(i));
        click(u"cmdPlus"_qs);
    }
    const QString said = status();
    click(u"cmdCopyPunktestandToClipboard"_qs);
    QCOMPARE(fx->clipboard.content, standings());
    QVERIFY(standings().startsWith(u"/me --Punkte--  Kandidat 0 1P, Kandidat 1 1P, "_qs));
    QCOMPARE(status(), said);

    fx->clipboard.broken = true;
    click(u"cmdCopyPunktestandToClipboard"_qs);
    QCOMPARE(fx->boxes.shown.size(), 1);
    QCOMPARE(fx->boxes.shown.at(0).title + u'|' + fx->boxes.shown.at(0).text,
             u"Wertungsbrett|Zwischenablage belegt"_qs);
    QCOMPARE(fx->clipboard.content.size(), standings().size());
}

void tst_frmMain::namesShownAsTyped_data()
{
    QTest::addColumn<QString>("name");
    for (const auto &[label, name] : hostileNames())
        QTest::newRow(label) << name;
}

// Label, status panel, list and screen reader show the name as typed: never
// as markup, an access key or a link.
void tst_frmMain::namesShownAsTyped()
{
    QFETCH(QString, name);
    type(name);
    click(u"cmdPlus"_qs);
    const QString line = u"/me --Punkte--  "_qs + name + u" 1P, "_qs;
    auto *label = child<mainwindow::StandingsLabel>(u"lblPunktestand"_qs);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(line.startsWith(label->text()) && !label->text().isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), line);
    auto *panel = child<mainwindow::PanelStatusBar>(u"sbStatusBar"_qs)->findChild<QLabel *>();
    QCOMPARE(panel->textFormat(), Qt::PlainText);
    QCOMPARE(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name),
             u"+1P für Neueinstieg '"_qs + name + u'\'');
    QCOMPARE(edit()->text(), name);
    QCOMPARE(child<mainwindow::SimpleComboBox>(u"cboKandidaten"_qs)
                 ->listView()
                 ->model()
                 ->index(0, 0)
                 .data(Qt::EditRole)
                 .toString(),
             name);
}

// Neither a name of 32,767 characters nor a line of hundreds of names moves
// or widens anything; the label shows the start of the line, as much as fits.
void tst_frmMain::longTextsKeepTheLayout()
{
    const auto layout = [this] {
        QList<QRect> geometries{window->geometry()};
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_"))
                geometries << widget->geometry();
        }
        return geometries;
    };
    const QList<QRect> before = layout();
    type(QString(32767, u'M'));
    QCOMPARE(edit()->text().size(), 32767);
    click(u"cmdPlus"_qs);
    for (int i = 0; i < 300; ++i) {
        type(u"Kandidat "_qs + QString::number(i));
        click(u"cmdPlus"_qs);
    }
    QTest::qWait(1);
    QCOMPARE(layout(), before);
    auto *label = child<mainwindow::StandingsLabel>(u"lblPunktestand"_qs);
    QVERIFY(label->text().size() < 2000);
    QVERIFY(label->caption().startsWith(label->text()));
    QVERIFY(label->heightForWidth(label->width()) > label->height()); // still fills the box
}

void tst_frmMain::editCommands_data()
{
    QTest::addColumn<QString>("how"); // menu, toolbar, Ctrl, Alt (access keys) or a wrong key
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("selected"); // "nn" of "Anna", or nothing behind "An"
    QTest::addColumn<bool>("onEdit");  // the edit field has the focus, else a button
    QTest::addColumn<QString>("text"); // the edit field afterwards
    QTest::addColumn<QString>("clipboard");
    const QString old = u"X Y\r\nZ"_qs;
    for (const QString &how : {u"menu"_qs, u"toolbar"_qs, u"Ctrl"_qs, u"Alt"_qs}) {
        const auto row = [&how](const char *name) -> QTestData & {
            return QTest::addRow("%s, %s", name, qPrintable(how));
        };
        row("cut") << how << u"Cut"_qs << 2 << true << u"Aa"_qs << u"nn"_qs;
        row("copy") << how << u"Copy"_qs << 2 << true << u"Anna"_qs << u"nn"_qs;
        row("paste keeps the first line") << how << u"Paste"_qs << 2 << true << u"AX Ya"_qs << old;
    }
    QTest::newRow("copy nothing") << u"menu"_qs << u"Copy"_qs << 0 << true << u"Anna"_qs << old;
    QTest::newRow("paste at the caret")
        << u"menu"_qs << u"Paste"_qs << 0 << true << u"AnX Yna"_qs << old;
    QTest::newRow("cut on a button") << u"menu"_qs << u"Cut"_qs << 2 << false << u"Anna"_qs << old;
    QTest::newRow("paste on a button")
        << u"toolbar"_qs << u"Paste"_qs << 2 << false << u"Anna"_qs << old;
    QTest::newRow("toolbar keys are exact")
        << u"cut"_qs << u"Cut"_qs << 2 << true << u"Anna"_qs << old;
}

// Cut, Copy and Paste act on the focused edit field's selection, once, however
// they are given; on a button they do nothing, and a failing clipboard ends
// them silently.
void tst_frmMain::editCommands()
{
    QFETCH(QString, how);
    QFETCH(QString, command);
    QFETCH(int, selected);
    QFETCH(bool, onEdit);
    QFETCH(QString, text);
    QFETCH(QString, clipboard);
    fx->clipboard.content = u"X Y\r\nZ"_qs;
    type(u"Anna"_qs);
    edit()->setSelection(selected ? 1 : 2, selected);
    QWidget *focus = onEdit ? edit() : child(u"cmdPlus"_qs);
    focus->setFocus();
    QAction *button = action(u"tb"_qs + command);
    if (how == u"menu") {
        action(u"mnuEdit"_qs + command)->trigger();
    } else if (how == u"Ctrl") {
        QTest::keyClick(focus,
                        command == u"Cut"    ? Qt::Key_X
                        : command == u"Copy" ? Qt::Key_C
                                             : Qt::Key_V,
                        Qt::ControlModifier);
    } else if (how == u"Alt") {
        QTest::keyClick(focus, Qt::Key_B, Qt::AltModifier);
        QMenu *menu = child<QMenu>(u"mnuEdit"_qs);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, command == u"Cut"    ? Qt::Key_A
                              : command == u"Copy" ? Qt::Key_K
                                                   : Qt::Key_E);
        QTRY_VERIFY(!menu->isVisible());
    } else {
        if (how != u"toolbar")
            button->setProperty("key", how);
        QTest::mouseClick(child<QToolBar>(u"tbToolBar"_qs)->widgetForAction(button),
                          Qt::LeftButton);
    }
    QCOMPARE(edit()->text(), text);
    QCOMPARE(fx->clipboard.content, clipboard);
    fx->clipboard.broken = true;
    edit()->selectAll();
    action(u"mnuEditCut"_qs)->trigger();
    QCOMPARE(edit()->text(), text);
    QCOMPARE(fx->boxes.shown.size(), 0);
}

// Each bar follows its check mark; the frames stay where they are.
void tst_frmMain::viewToggles()
{
    const QRect frame = child(u"fraPunktestand"_qs)->geometry();
    for (const auto &[item, bar] : {std::pair{u"mnuViewToolbar"_qs, u"tbToolBar"_qs},
                                    std::pair{u"mnuViewStatusBar"_qs, u"sbStatusBar"_qs}}) {
        action(item)->trigger();
        QVERIFY(!action(item)->isChecked() && !child(bar)->isVisible());
        QCOMPARE(child(u"fraPunktestand"_qs)->geometry(), frame);
        child(bar)->show(); // out of step with the mark: the mark decides
        action(item)->setChecked(false);
        action(item)->trigger();
        QVERIFY(action(item)->isChecked() && child(bar)->isVisible());
    }
    QCOMPARE(child(u"fraPunktestand"_qs)->geometry(), frame);
}

void tst_frmMain::help_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("broken");
    QTest::addColumn<QString>("box"); // "kind|title|text", empty for none
    QTest::addColumn<int>("request"); // what the viewer was asked, -1 for nothing
    const QString noHelp = u"information|Quiz am Freitag|Keine Hilfe verfügbar."_qs;
    const QString file = u"/usr/share/doc/quiz.html"_qs;
    const int contents = int(services::HelpViewer::Request::Contents);
    const int search = int(services::HelpViewer::Request::Search);
    QTest::newRow("contents, no file")
        << u"mnuHelpContents"_qs << QString() << false << noHelp << -1;
    QTest::newRow("search, no file")
        << u"mnuHelpSearchForHelpOn"_qs << QString() << false << noHelp << -1;
    QTest::newRow("contents") << u"mnuHelpContents"_qs << file << false << QString() << contents;
    QTest::newRow("search") << u"mnuHelpSearchForHelpOn"_qs << file << false << QString() << search;
    QTest::newRow("viewer fails") << u"mnuHelpContents"_qs << file << true
                                  << u"plain|Wertungsbrett|Kein Hilfeprogramm"_qs << -1;
}

// Without a help file both items say so under the window's caption; with one
// they go to the viewer, whose failure is told under the program's name.
void tst_frmMain::help()
{
    QFETCH(QString, item);
    QFETCH(QString, file);
    QFETCH(bool, broken);
    QFETCH(QString, box);
    QFETCH(int, request);
    QCoreApplication::setApplicationName(u"Wertungsbrett"_qs);
    fx->help.file = file;
    fx->help.broken = broken;
    window->setWindowTitle(u"Quiz am Freitag"_qs);
    action(item)->trigger();
    QStringList seen;
    for (const auto &shown : fx->boxes.shown)
        seen << shown.kind + u'|' + shown.title + u'|' + shown.text;
    QCOMPARE(seen, box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(fx->help.requests.size(), request < 0 ? 0 : 1);
    if (request >= 0)
        QCOMPARE(int(fx->help.requests.at(0)), request);
}

// Help > Info opens the About window modally over the main window; it stays
// open after its button fails to find the tool, and closing the main window
// closes it first.
void tst_frmMain::aboutWindow()
{
    type(u"Anna"_qs);
    click(u"cmdPlus"_qs);
    QPointer<QDialog> about;
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(about && about->parentWidget() == window.get());
        QTest::mouseClick(about->findChild<QPushButton *>(u"cmdSysInfo"_qs), Qt::LeftButton);
        stayedOpen = about->isVisible();
        window->close();
    });
    action(u"mnuHelpAbout"_qs)->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(fx->boxes.shown.size(), 1);
    QCOMPARE(fx->boxes.shown.at(0).text, u"System Information Is Unavailable At This Time"_qs);
    QVERIFY(about && !about->isVisible() && !window->isVisible());
    QCOMPARE(standings(), u"/me --Punkte--  Anna 1P, "_qs);
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
