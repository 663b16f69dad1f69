#include "mainwindow/elidedtext.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/panelstatusbar.h"
#include "mainwindow/programfont.h"
#include "mainwindow/simplecombobox.h"
#include "mainwindow/standingslabel.h"

#include "support/fakes.h"
#include "support/referencequiz.h"

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

using Answer = services::MessageBoxes::Answer;
using Request = services::HelpViewer::Request;

namespace {

const QString OpeningHint = u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs;

// Answers the next modal message box with `button`; `seen` gets what it showed.
void answerRealBox(QMessageBox::StandardButton button, QString &seen)
{
    QTimer::singleShot(0, [&seen, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = u"%1|%2|%3|%4|%5"_qs.arg(box->windowTitle(), box->text())
                   .arg(box->icon())
                   .arg(box->standardButtons())
                   .arg(box->standardButton(box->defaultButton()));
        box->button(button)->click();
    });
}

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName(u"Wertungsbrett"_qs);
        mainwindow::useProgramFont();
    }
    void init();
    void cleanup() { window.reset(); }

    void controls();
    void looks();
    void scoreThroughTheWindow();
    void pickByKey();
    void namesShownAsTyped_data();
    void namesShownAsTyped();
    void newQuiz();
    void realMessageBoxes();
    void longTexts();
    void editCommands_data();
    void editCommands();
    void viewToggles();
    void help();
    void aboutWindow();

private:
    template <typename T = QWidget> T *child(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QAction *action(const QString &name) const { return child<QAction>(name); }
    QLineEdit *edit() const { return combo()->lineEdit(); }
    mainwindow::SimpleComboBox *combo() const
    {
        return child<mainwindow::SimpleComboBox>(u"cboKandidaten"_qs);
    }
    mainwindow::StandingsLabel *label() const
    {
        return child<mainwindow::StandingsLabel>(u"lblPunktestand"_qs);
    }
    QLabel *panel() const { return child(u"sbStatusBar"_qs)->findChild<QLabel *>(); }
    void click(const QString &button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    void score(const QString &name, const QString &button = u"cmdPlus"_qs)
    {
        edit()->setText(name);
        click(button);
    }
    QString status() const
    {
        return QAccessible::queryAccessibleInterface(panel())->text(QAccessible::Name);
    }

    std::unique_ptr<FakeServices> fx;
    std::unique_ptr<mainwindow::frmMain> window;
};

void tst_frmMain::init()
{
    fx = std::make_unique<FakeServices>();
    window = std::make_unique<mainwindow::frmMain>(fx->all());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

// The keyboard walks the controls in the layout's order from the copy button,
// and every visible control has a name a screen reader can say.
void tst_frmMain::controls()
{
    const QList<QWidget *> cycle{edit(), child(u"cmdPlus"_qs), child(u"cmdMinus"_qs),
                                 child(u"cmdLoeschen"_qs),
                                 child(u"cmdCopyPunktestandToClipboard"_qs)};
    QCOMPARE(QApplication::focusWidget(), cycle.last());
    for (QWidget *expected : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    QCOMPARE(status(), OpeningHint);
    QCOMPARE(label()->caption(), QString());
    // The edit field and its list fill their box; the status text gets all the bar's width.
    QCOMPARE(edit()->geometry().united(combo()->listView()->geometry()), combo()->rect());
    QVERIFY(panel()->width() >= child(u"sbStatusBar"_qs)->width() - 2);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_") &&
            widget->isVisible() && widget->metaObject() != &QWidget::staticMetaObject)
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty(),
                qPrintable(widget->objectName()));
    }
}

// Separators named as the menus name them, one font for the window and its
// menus, and frames whose top line runs through their caption's letters, above
// their controls.
void tst_frmMain::looks()
{
    for (const QString &menu : {u"mnuFile"_qs, u"mnuEdit"_qs, u"mnuHelp"_qs}) {
        QVERIFY(child<QMenu>(menu)->actions().contains(action(menu + u"Bar0"_qs)));
        QVERIFY(action(menu + u"Bar0"_qs)->isSeparator());
        QCOMPARE(child<QMenu>(menu)->font(), window->font());
    }
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

// Each button acts on the name in the edit field and leaves it there; Enter
// presses nothing; the copy button
// hands the whole line to the clipboard, and an error no handler expects is
// shown under the program's name and costs nothing else.
void tst_frmMain::scoreThroughTheWindow()
{
    const QList<std::pair<QString, QString>> steps{
        {u"cmdPlus"_qs, u"+1P für Neueinstieg 'Bernd'"_qs},
        {u"cmdPlus"_qs, u"+1P für 'Bernd'"_qs},
        {u"cmdMinus"_qs, u"-1P für 'Bernd'"_qs},
        {u"cmdMinus"_qs, u"-1P für 'Bernd'"_qs},
        {u"cmdMinus"_qs, u"Weniger als 0P nicht möglich."_qs},
        {u"cmdLoeschen"_qs, u"'Bernd' gelöscht"_qs},
        {u"cmdLoeschen"_qs, u"'Bernd' nicht gefunden"_qs}};
    for (const auto &[button, said] : steps) {
        score(u"Bernd"_qs, button);
        QCOMPARE(status(), said);
        QCOMPARE(edit()->text(), u"Bernd"_qs);
    }
    score(QString(), u"cmdPlus"_qs);
    QCOMPARE(status(), u"'Bernd' nicht gefunden"_qs);
    for (const QString &name : {u"Carla"_qs, u"Anna"_qs, u"Bernd"_qs, u"Anna"_qs})
        score(name);
    score(u"Bernd"_qs, u"cmdMinus"_qs);
    QCOMPARE(label()->caption(), u"/me --Punkte--  Anna 2P, Bernd 0P, Carla 1P, "_qs);
    QTest::keyClick(edit(), Qt::Key_Return);
    QCOMPARE(status(), u"-1P für 'Bernd'"_qs);

    score(u"Carla"_qs); // after the line was read: it is built anew
    click(u"cmdCopyPunktestandToClipboard"_qs);
    QCOMPARE(fx->clipboard.content, u"/me --Punkte--  Anna 2P, Bernd 0P, Carla 2P, "_qs);
    fx->clipboard.broken = true;
    click(u"cmdCopyPunktestandToClipboard"_qs);
    QCOMPARE(fx->boxes.shown, QStringList{u"plain|Wertungsbrett|Zwischenablage belegt"_qs});
    QCOMPARE(label()->caption(), u"/me --Punkte--  Anna 2P, Bernd 0P, Carla 2P, "_qs);
}

// Up and Down in the edit field move through the list by one, Page Up and
// Page Down by what the list shows; the name is put in, selected, and the list
// never takes the focus.
void tst_frmMain::pickByKey()
{
    for (int i = 0; i < 20; ++i)
        score(u"K%1"_qs.arg(i, 2, 10, QLatin1Char('0')));
    edit()->setFocus();
    const auto press = [this](Qt::Key key) {
        QTest::keyClick(edit(), key);
        return combo()->listView()->currentIndex().row();
    };
    QCOMPARE(press(Qt::Key_Up), 0); // no entry yet: the first
    QCOMPARE(press(Qt::Key_Down), 1);
    QCOMPARE(edit()->selectedText(), u"K01"_qs);
    QCOMPARE(press(Qt::Key_Up), 0);
    const int page = press(Qt::Key_PageDown);
    QListView *list = combo()->listView();
    QVERIFY(page > 1 && list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
    QCOMPARE(press(Qt::Key_PageDown), 2 * page);
    QCOMPARE(press(Qt::Key_PageUp), page);
    for (int i = 0; i < 20; ++i)
        press(Qt::Key_PageDown);
    QCOMPARE(edit()->selectedText(), u"K19"_qs);
    QCOMPARE(QApplication::focusWidget(), edit());
}

void tst_frmMain::namesShownAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ampersand") << u"Tom & Jerry &&x"_qs;
    QTest::newRow("markup") << u"<b>fett</b>"_qs;
    QTest::newRow("image") << u"<img src=\"/usr/share/pixmaps/debian-logo.png\">"_qs;
    QTest::newRow("link") << u"<a href=\"http://example.invalid\">klick</a>"_qs;
    QTest::newRow("tab, emoji, right-to-left mark") << u"A\t🦊 \u200Fשרה\u200E"_qs;
    QTest::newRow("NUL and a lone surrogate") << QString(QChar(0)) + QChar(0xD800) + u'x';
    QTest::newRow("an override in an isolate, both open") << u"\u2067\u202EAnna"_qs;
}

// Label, status panel, list and screen reader show a name as typed: never as
// markup, an access key or a link, and never turning the direction of what
// follows it. A click on the list entry gives the name back to the edit field
// exactly as stored, with the focus.
void tst_frmMain::namesShownAsTyped()
{
    QFETCH(QString, name);
    score(name);
    const QString closed = ReferenceQuiz::closed(name);
    const QString line = u"/me --Punkte--  "_qs + closed + u" 1P, "_qs;
    QCOMPARE(label()->textFormat(), Qt::PlainText);
    QCOMPARE(label()->text(), line);
    QCOMPARE(QAccessible::queryAccessibleInterface(label())->text(QAccessible::Name), line);
    QCOMPARE(panel()->textFormat(), Qt::PlainText);
    QCOMPARE(panel()->text(), u"+1P für Neueinstieg '"_qs + closed + u'\'');
    QCOMPARE(status(), panel()->text());
    const QModelIndex entry = combo()->listView()->model()->index(0, 0);
    QCOMPARE(entry.data().toString(), closed);
    edit()->clear();
    click(u"cmdPlus"_qs); // the focus is elsewhere when the list is clicked
    QTest::mouseClick(combo()->listView()->viewport(), Qt::LeftButton, {},
                      combo()->listView()->visualRect(entry).center());
    QCOMPARE(edit()->selectedText(), name); // selected, and focused for the Edit menu
    QCOMPARE(QApplication::focusWidget(), edit());
}

// File > Neu, from the menu, the toolbar or Ctrl+N, asks first; only Yes
// clears the list, the edit field and the line, and resets the status text.
void tst_frmMain::newQuiz()
{
    for (const auto &[answer, how] : {std::pair{Answer::Yes, 0},
                                      {Answer::Yes, 1},
                                      {Answer::Yes, 2},
                                      {Answer::No, 0},
                                      {Answer::Cancel, 1}}) {
        score(u"Anna"_qs);
        fx->boxes = {};
        fx->boxes.answer = answer;
        if (how == 0)
            action(u"mnuFileNew"_qs)->trigger();
        else if (how == 1)
            QTest::mouseClick(
                child<QToolBar>(u"tbToolBar"_qs)->widgetForAction(action(u"tbNew"_qs)),
                Qt::LeftButton);
        else
            QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(fx->boxes.shown, QStringList{u"question|Neues Quiz|Wirklich neu anfangen?\r\nAlle "
                                              "Kandidaten und Punktestände werden gelöscht!"_qs});
        const bool cleared = answer == Answer::Yes;
        QCOMPARE(label()->caption(), cleared ? QString() : u"/me --Punkte--  Anna 1P, "_qs);
        QCOMPARE(edit()->text(), cleared ? QString() : u"Anna"_qs);
        QCOMPARE(status(), cleared ? OpeningHint : u"+1P für Neueinstieg 'Anna'"_qs);
        if (!cleared)
            score(u"Anna"_qs, u"cmdLoeschen"_qs);
    }
}

// The real boxes: a question with Yes as default, information with OK only,
// line breaks as the desktop shows them.
void tst_frmMain::realMessageBoxes()
{
    services::QtMessageBoxes real;
    mainwindow::frmMain realWindow({real, fx->clipboard, fx->help, fx->system});
    realWindow.findChild<mainwindow::SimpleComboBox *>()->lineEdit()->setText(u"Anna"_qs);
    QTest::mouseClick(realWindow.findChild<QPushButton *>(u"cmdPlus"_qs), Qt::LeftButton);
    QString question, information;
    answerRealBox(QMessageBox::Yes, question);
    realWindow.findChild<QAction *>(u"mnuFileNew"_qs)->trigger();
    QCOMPARE(question, u"Neues Quiz|Wirklich neu anfangen?\nAlle Kandidaten und Punktestände "
                       "werden gelöscht!|4|%1|%2"_qs
                           .arg(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                           .arg(QMessageBox::Yes));
    QCOMPARE(realWindow.findChild<mainwindow::StandingsLabel *>()->caption(), QString());
    answerRealBox(QMessageBox::Ok, information);
    realWindow.findChild<QAction *>(u"mnuHelpContents"_qs)->trigger();
    QCOMPARE(information, u"Wertungsbrett|Keine Hilfe verfügbar.|1|%1|%1"_qs.arg(QMessageBox::Ok));
}

// Neither a name of 32,767 characters nor hundreds of names move or widen
// anything; the label lays out only the start of the line, as much as its box
// shows, and follows its box and font.
void tst_frmMain::longTexts()
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
    score(QString(32767, u'M'));
    QCOMPARE(edit()->text().size(), 32767);
    for (int i = 0; i < 300; ++i)
        score(u"Kandidat "_qs + QString::number(i));
    QTest::qWait(1);
    QCOMPARE(layout(), before);
    const qsizetype shown = label()->text().size();
    QVERIFY(shown < 2000 && label()->caption().startsWith(label()->text()));
    QVERIFY(label()->caption().startsWith(u"/me --Punkte--  Kandidat 0 1P, "_qs));
    QVERIFY(label()->caption().endsWith(QString(32767, u'M') + u" 1P, "_qs));
    QCOMPARE(QAccessible::queryAccessibleInterface(label())->text(QAccessible::Name),
             label()->caption());
    QVERIFY(combo()->listView()->sizeHintForColumn(0) <= combo()->listView()->viewport()->width());
    // Rows and the status panel elide a start of the text as they would the whole.
    const QFontMetrics metrics = label()->fontMetrics();
    for (const QString &text : {u"a\u0301"_qs.repeated(16383), u"\u0628\u064E"_qs.repeated(16383)})
        QCOMPARE(mainwindow::elidedText(text, metrics, 150),
                 metrics.elidedText(text, Qt::ElideRight, 150));
    QVERIFY(label()->heightForWidth(label()->width()) > label()->height()); // the box is full
    label()->resize(label()->width(), label()->height() * 2);
    QVERIFY(label()->text().size() > shown);
    label()->setFont(QFont(label()->font().family(), 20));
    QVERIFY(label()->text().size() < shown);
}

void tst_frmMain::editCommands_data()
{
    QTest::addColumn<QString>("how"); // menu, toolbar, Ctrl, Alt (access keys) or a wrong key
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("selected"); // "nn" of "Anna", or nothing behind "An"
    QTest::addColumn<bool>("onEdit");  // the edit field has the focus, else a button
    QTest::addColumn<QString>("text"); // the edit field afterwards
    QTest::addColumn<QString>("clipboard");
    const auto row = [](const QString &name, const QString &how, const QString &command,
                        int selected, bool onEdit, const QString &text, const QString &clipboard) {
        QTest::newRow(qPrintable(name))
            << how << command << selected << onEdit << text << clipboard;
    };
    const QString old = u"X Y\r\nZ"_qs;
    for (const QString &how : {u"menu"_qs, u"toolbar"_qs, u"Ctrl"_qs, u"Alt"_qs}) {
        row(u"cut, "_qs + how, how, u"Cut"_qs, 2, true, u"Aa"_qs, u"nn"_qs);
        row(u"copy, "_qs + how, how, u"Copy"_qs, 2, true, u"Anna"_qs, u"nn"_qs);
        row(u"paste the first line, "_qs + how, how, u"Paste"_qs, 2, true, u"AX Ya"_qs, old);
    }
    row(u"copy nothing"_qs, u"menu"_qs, u"Copy"_qs, 0, true, u"Anna"_qs, old);
    row(u"paste at the caret"_qs, u"menu"_qs, u"Paste"_qs, 0, true, u"AnX Yna"_qs, old);
    row(u"cut on a button"_qs, u"menu"_qs, u"Cut"_qs, 2, false, u"Anna"_qs, old);
    row(u"paste on a button"_qs, u"toolbar"_qs, u"Paste"_qs, 2, false, u"Anna"_qs, old);
    row(u"toolbar keys are exact"_qs, u"cut"_qs, u"Cut"_qs, 2, true, u"Anna"_qs, old);
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
    edit()->setText(u"Anna"_qs);
    edit()->setSelection(selected ? 1 : 2, selected);
    QWidget *focus = onEdit ? edit() : child(u"cmdPlus"_qs);
    focus->setFocus();
    const int index = QStringList{u"Cut"_qs, u"Copy"_qs, u"Paste"_qs}.indexOf(command);
    if (how == u"menu") {
        action(u"mnuEdit"_qs + command)->trigger();
    } else if (how == u"Ctrl") {
        QTest::keyClick(focus, QList{Qt::Key_X, Qt::Key_C, Qt::Key_V}.at(index),
                        Qt::ControlModifier);
    } else if (how == u"Alt") {
        QTest::keyClick(focus, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(child<QMenu>(u"mnuEdit"_qs)->isVisible());
        QTest::keyClick(child<QMenu>(u"mnuEdit"_qs),
                        QList{Qt::Key_A, Qt::Key_K, Qt::Key_E}.at(index));
    } else {
        QAction *button = action(u"tb"_qs + command);
        button->setProperty("key", how == u"toolbar" ? button->property("key") : how);
        QTest::mouseClick(child<QToolBar>(u"tbToolBar"_qs)->widgetForAction(button),
                          Qt::LeftButton);
    }
    QTRY_COMPARE(edit()->text(), text);
    QCOMPARE(fx->clipboard.content, clipboard);
    fx->clipboard.broken = true;
    edit()->selectAll();
    action(u"mnuEditCut"_qs)->trigger();
    QCOMPARE(edit()->text(), text);
    QCOMPARE(fx->boxes.shown, QStringList());
}

// Each bar follows its check mark, even out of step with it; the frames stay.
void tst_frmMain::viewToggles()
{
    const QRect frame = child(u"fraPunktestand"_qs)->geometry();
    for (const auto &[item, bar] : {std::pair{u"mnuViewToolbar"_qs, u"tbToolBar"_qs},
                                    std::pair{u"mnuViewStatusBar"_qs, u"sbStatusBar"_qs}}) {
        action(item)->trigger();
        QVERIFY(!action(item)->isChecked() && !child(bar)->isVisible());
        child(bar)->show();
        action(item)->setChecked(false);
        action(item)->trigger();
        QVERIFY(action(item)->isChecked() && child(bar)->isVisible());
        action(item)->trigger();
    }
    QCOMPARE(child(u"fraPunktestand"_qs)->geometry(), frame);
}

// Without a help file both items say so under the window's caption; with one
// they go to the viewer, whose failure is told under the program's name.
void tst_frmMain::help()
{
    window->setWindowTitle(u"Quiz am Freitag"_qs);
    for (int round = 0; round < 3; ++round) {
        fx->help.file = round ? u"/usr/share/doc/quiz.html"_qs : QString();
        fx->help.broken = round == 2;
        action(u"mnuHelpContents"_qs)->trigger();
        action(u"mnuHelpSearchForHelpOn"_qs)->trigger();
    }
    const QString noHelp = u"information|Quiz am Freitag|Keine Hilfe verfügbar."_qs;
    const QString failed = u"plain|Wertungsbrett|Kein Hilfeprogramm"_qs;
    QCOMPARE(fx->boxes.shown, (QStringList{noHelp, noHelp, failed, failed}));
    QCOMPARE(fx->help.requests, (QList{Request::Contents, Request::Search}));
}

// Help > Info opens the About window modally over the main window, its texts
// set afresh at each opening. Enter on "System Info..." tells that the tool
// is missing and leaves it open, Esc closes it, and closing the main window
// closes it first.
void tst_frmMain::aboutWindow()
{
    score(u"Anna"_qs);
    QStringList seen;
    for (const bool last : {false, true}) {
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(about && about->parentWidget() == window.get());
            for (const char *name : {"lblTitle", "lblVersion", "lblDescription"})
                seen
                    << about->findChild<QLabel *>(QLatin1String(name))->text().section(u'\n', 0, 0);
            QWidget *sysInfo = about->findChild<QWidget *>(u"cmdSysInfo"_qs);
            sysInfo->setFocus();
            QTest::keyClick(sysInfo, last ? Qt::Key_Return : Qt::Key_Escape);
            seen << (about->isVisible() ? u"open"_qs : u"closed"_qs);
            window->close();
            seen << (about->isVisible() ? u"open"_qs : u"closed"_qs);
        });
        window->show();
        action(u"mnuHelpAbout"_qs)->trigger();
    }
    const QStringList texts{u"Wertungsbrett"_qs, u"Version 1.0.3"_qs,
                            u"Zum Zählen der Punkte von Kandidaten eines Quiz."_qs};
    QCOMPARE(seen, (texts + QStringList{u"closed"_qs, u"closed"_qs} + texts +
                    QStringList{u"open"_qs, u"closed"_qs}));
    QCOMPARE(fx->boxes.shown,
             QStringList{u"plain|Wertungsbrett|System Information Is Unavailable At This Time"_qs});
    QVERIFY(!window->isVisible());
    QCOMPARE(label()->caption(), u"/me --Punkte--  Anna 1P, "_qs);
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
