#include "app/heldkeys.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"
#include "mainwindow/singleline.h"
#include "mainwindow/statuspanel.h"

#include "support/accessibility.h"
#include "support/fakes.h"
#include "support/referencequiz.h"

#include <QRandomGenerator>
#include <QtTest>
#include <QtWidgets>

using Answer = services::MessageBoxes::Answer;

const QString OpeningHint = u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs;
// What the label and the status panel are given at most of their text.
constexpr qsizetype Shown = 512;

// What screen readers were told was shown: "role|name" of each object.
QStringList heard;
void listen(QAccessibleEvent *event)
{
    if (event->type() != QAccessible::ObjectShow)
        return;
    const QAccessibleInterface *shown = event->accessibleInterface();
    heard << u"%1|%2"_qs.arg(shown->role()).arg(shown->text(QAccessible::Name));
}
QString notification(const QString &text)
{
    return u"%1|%2"_qs.arg(QAccessible::Notification).arg(text);
}

// The main window and its About window through their controls, keys, menus,
// toolbar and the accessibility layer, over stand-ins for the platform
// services; the real message boxes.
class tst_frmMain : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeServices> fx;
    std::unique_ptr<mainwindow::frmMain> window;

    template <typename T = QWidget> T *child(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QAction *action(const QString &name) const { return child<QAction>(name); }
    QLineEdit *edit() const { return child<QLineEdit>(u"edit"_qs); }
    QListView *list() const { return child<QListView>(u"list"_qs); }
    QLabel *panel() const { return child<QLabel>(u"panel"_qs); }
    void click(const QString &name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    void clickTool(const QString &name)
    {
        QWidget *button = child<QToolBar>(u"tbToolBar"_qs)->widgetForAction(action(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QList<QRect> geometries() const
    {
        QList<QRect> all;
        for (const QWidget *widget : window->findChildren<QWidget *>())
            all << widget->geometry();
        return all;
    }
    void score(const QString &name)
    {
        edit()->setText(name);
        click(u"cmdPlus"_qs);
    }
    static QAccessibleInterface *accessible(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }
    static QString spoken(QObject *object) { return accessible(object)->text(QAccessible::Name); }

    // Runs `step` on the open About window; whether it left it open. Closes
    // it then, so that a fault cannot keep the test waiting.
    bool aboutLeftOpen(const std::function<void(QDialog *)> &step)
    {
        bool open = false;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(about);
            step(about);
            open = about->isVisible();
            about->reject();
        });
        action(u"mnuHelpAbout"_qs)->trigger();
        return open;
    }

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName(u"Wertungsbrett"_qs);
        QApplication::setApplicationVersion(u"1.5.0.12"_qs); // the build number is not shown
        mainwindow::useProgramFont();
        mainwindow::StatusPanel::installAccessibility();
        QAccessible::installUpdateHandler(listen);
        activateAccessibility();
        pressHeldKeysOnce(*qApp);
    }
    void init()
    {
        fx = std::make_unique<FakeServices>();
        window = std::make_unique<mainwindow::frmMain>(fx->all());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        heard.clear();
    }
    void cleanup() { window.reset(); }

    // Edit field and list fill the candidate box; the window keeps its size.
    void layout()
    {
        QCOMPARE(edit()->geometry().united(list()->geometry()), child(u"cboKandidaten"_qs)->rect());
        QCOMPARE(list()->y(), edit()->height());
        QCOMPARE(window->minimumSize(), window->maximumSize());
    }

    // Every control has a name a screen reader can say, not repeating its role.
    void accessibleNames()
    {
        const QMap<QAccessible::Role, QString> roleWords{
            {QAccessible::MenuBar, u"leiste"_qs},      {QAccessible::ToolBar, u"leiste"_qs},
            {QAccessible::StatusBar, u"leiste"_qs},    {QAccessible::List, u"liste"_qs},
            {QAccessible::PushButton, u"schalt"_qs},   {QAccessible::EditableText, u"feld"_qs},
            {QAccessible::Notification, u"meldung"_qs}};
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisible() || widget->objectName().isEmpty() ||
                widget->objectName().startsWith(u"qt_") ||
                widget->metaObject() == &QWidget::staticMetaObject)
                continue;
            const QAccessibleInterface *control = accessible(widget);
            const QString name = control->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
            const QString word = roleWords.value(control->role(), u"\n"_qs);
            QVERIFY2(!name.contains(word, Qt::CaseInsensitive), qPrintable(name));
        }
    }

    // A random run against the reference: the buttons and File > Neu from
    // menu or toolbar, answered Yes or No, on names that meet often, look like
    // markup, turn the direction or outgrow every box. Panel and label show the
    // start of what the reference says; what screen readers hear, the copy
    // button's description and the copied line are exact. No control moves.
    void randomRun()
    {
        const QStringList names{u"Anna"_qs,          u"Bernd"_qs,         QString(),
                                u"Tom & &&Jerry"_qs, u"<b>fett</b>"_qs,   u"\u2067\u202EAnna"_qs,
                                u"A\u200Fשרה"_qs,    QString(32767, u'M')};
        const QList<QRect> before = geometries();
        QRandomGenerator random(7);
        ReferenceQuiz reference;
        QString status = OpeningHint;
        for (int step = 0; step < 300; ++step) {
            const QString name = names.at(random.bounded(int(names.size())));
            const int command = random.bounded(10);
            edit()->setText(name);
            heard.clear();
            fx->boxes.shown.clear();
            scoring::Outcome expected;
            bool cleared = false;
            if (command == 0) {
                cleared = random.bounded(2) == 1;
                fx->boxes.answer = cleared ? Answer::Yes : Answer::No;
                if (random.bounded(2) == 1)
                    action(u"mnuFileNew"_qs)->trigger();
                else
                    clickTool(u"mnuFileNew"_qs);
                QCOMPARE(fx->boxes.shown,
                         QStringList{
                             u"question|Neues Quiz|Wirklich neu anfangen?\r\nAlle Kandidaten und "
                             "Punktestände werden gelöscht!"_qs});
                if (cleared)
                    expected = reference.newQuiz();
            } else if (command <= 2) {
                click(u"cmdLoeschen"_qs);
                expected = reference.remove(name);
            } else if (command <= 5) {
                click(u"cmdMinus"_qs);
                expected = reference.minus(name);
            } else {
                click(u"cmdPlus"_qs);
                expected = reference.plus(name);
            }
            QStringList told;
            if (expected.status) {
                status = *expected.status;
                told << notification(status);
            }
            QCOMPARE(heard, told);
            QCOMPARE(panel()->text(), status.left(Shown));
            QCOMPARE(spoken(panel()), status);
            QCOMPARE(child<QLabel>(u"lblPunktestand"_qs)->text(), reference.line().left(Shown));
            QCOMPARE(accessible(child(u"cmdCopyPunktestandToClipboard"_qs))
                         ->text(QAccessible::Description),
                     reference.line(4096));
            click(u"cmdCopyPunktestandToClipboard"_qs); // the whole line
            QCOMPARE(QGuiApplication::clipboard()->text(), reference.line());
            QCOMPARE(edit()->text(), cleared ? QString() : name);
        }
        QCOMPARE(geometries(), before);
    }

    // The list shows a name closed after itself; a click gives it back as
    // stored, selected, with the focus.
    void listClick()
    {
        const QString name = u"\u2067\u202EAnna"_qs;
        score(name);
        const QModelIndex entry = list()->model()->index(0, 0);
        QCOMPARE(entry.data().toString(), ReferenceQuiz::closed(name));
        edit()->clear();
        click(u"cmdPlus"_qs); // the focus is elsewhere when the list is clicked
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualRect(entry).center());
        QCOMPARE(edit()->selectedText(), name);
        QCOMPARE(QApplication::focusWidget(), edit());
    }

    void keepOneLine_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text"); // after the edit
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("keptCursor");
        QTest::newRow("pasted in the middle")
            << u"Anna"_qs << u"AnX\nYna"_qs << 5 << u"AnXna"_qs << 3;
        QTest::newRow("set whole") << u"Anna"_qs << u"AnX\nYna"_qs << 7 << u"AnXna"_qs << 3;
        QTest::newRow("several lines") << QString() << u"A\rB\r\nC"_qs << 6 << u"A"_qs << 1;
        QTest::newRow("cursor at the break") << QString() << u"A\nB"_qs << 1 << u"A"_qs << 1;
        QTest::newRow("next line") << QString() << u"A\u0085B"_qs << 3 << u"A"_qs << 1;
        QTest::newRow("line separator") << QString() << u"A\u2028B"_qs << 3 << u"A"_qs << 1;
        QTest::newRow("paragraph separator") << QString() << u"A\u2029B"_qs << 3 << u"A"_qs << 1;
        QTest::newRow("NUL, BEL, ESC, chat codes")
            << QString() << u"N\u0000B\u0007E\u001B[1m\u0002\u001F!"_qs << 11 << u"NBE[1m!"_qs << 6;
        QTest::newRow("DEL, C1 controls")
            << QString() << u"A\u007F\u0080\u009FB"_qs << 5 << u"AB"_qs << 2;
        QTest::newRow("tab") << QString() << u"A\tB"_qs << 3 << u"A B"_qs << 3;
        QTest::newRow("cursor after a control")
            << QString() << u"A\u0001BC"_qs << 3 << u"ABC"_qs << 2;
        QTest::newRow("printable neighbours")
            << QString() << u" ~\u00A0"_qs << 3 << u" ~\u00A0"_qs << 3;
    }
    // What the edit field keeps of a text, and where its cursor goes.
    void keepOneLine()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, kept);
        QFETCH(int, keptCursor);
        mainwindow::keepOneLine(before, text, cursor);
        QCOMPARE(text, kept);
        QCOMPARE(cursor, keptCursor);
    }

    void pickByKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("from"); // the list's current row; -1: none
        QTest::addColumn<int>("to");   // -1: a page on from `from`
        QTest::addColumn<bool>("picks");
        QTest::newRow("Up, no entry yet") << int(Qt::Key_Up) << 0 << -1 << 0 << true;
        QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 3 << 4 << true;
        QTest::newRow("Up at the top") << int(Qt::Key_Up) << 0 << 0 << 0 << true;
        QTest::newRow("Down at the bottom") << int(Qt::Key_Down) << 0 << 19 << 19 << true;
        QTest::newRow("Up on the keypad")
            << int(Qt::Key_Up) << int(Qt::KeypadModifier) << 3 << 2 << true;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << 2 << -1 << true;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << 19 << -1 << true;
        QTest::newRow("Shift+Down")
            << int(Qt::Key_Down) << int(Qt::ShiftModifier) << 3 << 3 << false;
    }
    // Up and Down move through the list by one, Page Up and Page Down by the
    // rows shown whole less one; the name comes selected, the focus stays.
    void pickByKey()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, picks);
        for (int i = 0; i < 20; ++i)
            score(u"K%1"_qs.arg(i, 2, 10, QLatin1Char('0')));
        edit()->setText(u"x"_qs);
        if (to < 0) {
            int shown = 0;
            while (list()->viewport()->rect().contains(
                list()->visualRect(list()->model()->index(shown, 0))))
                ++shown;
            to = key == Qt::Key_PageDown ? from + shown - 1 : from - shown + 1;
        }
        if (from >= 0)
            list()->setCurrentIndex(list()->model()->index(from, 0));
        edit()->setFocus();
        QTest::keyClick(edit(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(list()->currentIndex().row(), to);
        if (picks)
            QCOMPARE(edit()->selectedText(), u"K%1"_qs.arg(to, 2, 10, QLatin1Char('0')));
        else
            QCOMPARE(edit()->text(), u"x"_qs);
        QCOMPARE(QApplication::focusWidget(), edit());
    }

    void editCommands_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("selected");   // "nn" of "Anna", or nothing
        QTest::addColumn<QString>("result"); // "edit text|clipboard"
        const QString old = u"X Y\r\nZ"_qs;
        for (const QString &how : {u"menu"_qs, u"toolbar"_qs, u"Ctrl"_qs, u"Alt"_qs}) {
            QTest::addRow("Cut, %s", qPrintable(how))
                << how << u"Cut"_qs << u"edit"_qs << 2 << u"Aa|nn"_qs;
            QTest::addRow("Copy, %s", qPrintable(how))
                << how << u"Copy"_qs << u"edit"_qs << 2 << u"Anna|nn"_qs;
            QTest::addRow("Paste, %s", qPrintable(how))
                << how << u"Paste"_qs << u"edit"_qs << 2 << u"AX Ya|"_qs + old;
        }
        QTest::newRow("Copy, nothing selected")
            << u"menu"_qs << u"Copy"_qs << u"edit"_qs << 0 << u"Anna|"_qs + old;
        QTest::newRow("Cut on a button")
            << u"menu"_qs << u"Cut"_qs << u"cmdPlus"_qs << 2 << u"Anna|"_qs + old;
        QTest::newRow("Paste on a button")
            << u"toolbar"_qs << u"Paste"_qs << u"cmdPlus"_qs << 2 << u"Anna|"_qs + old;
    }
    // Cut, Copy and Paste act once on the focused field's selection, however
    // given; Paste keeps the first line. On a button they do nothing.
    void editCommands()
    {
        QFETCH(QString, how);
        QFETCH(QString, command);
        QFETCH(QString, focus);
        QFETCH(int, selected);
        QFETCH(QString, result);
        QGuiApplication::clipboard()->setText(u"X Y\r\nZ"_qs);
        edit()->setText(u"Anna"_qs);
        edit()->setSelection(selected ? 1 : 2, selected);
        child(focus)->setFocus();
        const QMap<QString, Qt::Key> ctrlKeys{
            {u"Cut"_qs, Qt::Key_X}, {u"Copy"_qs, Qt::Key_C}, {u"Paste"_qs, Qt::Key_V}};
        const QMap<QString, Qt::Key> accessKeys{
            {u"Cut"_qs, Qt::Key_A}, {u"Copy"_qs, Qt::Key_K}, {u"Paste"_qs, Qt::Key_E}};
        if (how == u"menu")
            action(u"mnuEdit"_qs + command)->trigger();
        if (how == u"toolbar")
            clickTool(u"mnuEdit"_qs + command);
        if (how == u"Ctrl")
            QTest::keyClick(child(focus), ctrlKeys.value(command), Qt::ControlModifier);
        if (how == u"Alt") {
            QMenu *menu = child<QMenu>(u"mnuEdit"_qs);
            QTest::keyClick(child(focus), Qt::Key_B, Qt::AltModifier);
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, accessKeys.value(command));
        }
        QCOMPARE(edit()->text() + u'|' + QGuiApplication::clipboard()->text(), result);
    }

    void heldKeys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("scanCode");   // 0: made up, not typed
        QTest::addColumn<bool>("marked");    // the platform marks the repeats
        QTest::addColumn<QString>("result"); // the line's candidate, or the edit text
        const int enter = Qt::Key_Enter, ret = Qt::Key_Return;
        QTest::newRow("Return, marked")
            << u"cmdPlus"_qs << ret << u"\r"_qs << 36 << true << u"Anna 1P"_qs;
        QTest::newRow("Return, unmarked")
            << u"cmdPlus"_qs << ret << u"\r"_qs << 36 << false << u"Anna 1P"_qs;
        QTest::newRow("Enter on the keypad")
            << u"cmdPlus"_qs << enter << u"\r"_qs << 104 << false << u"Anna 1P"_qs;
        QTest::newRow("made up") << u"cmdPlus"_qs << ret << u"\r"_qs << 0 << false << u"Anna 3P"_qs;
        QTest::newRow("a letter") << u"edit"_qs << int(Qt::Key_N) << u"n"_qs << 57 << false
                                  << u"Annannn"_qs;
    }
    // A key held down presses a button once, however the platform reports
    // its repeats, and repeats everywhere else: three presses, one release.
    void heldKeys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, scanCode);
        QFETCH(bool, marked);
        QFETCH(QString, result);
        edit()->setText(u"Anna"_qs);
        child(focus)->setFocus();
        for (int press = 0; press < 3; ++press) {
            QKeyEvent event(QEvent::KeyPress, key, {}, scanCode, 0, 0, text, marked && press > 0);
            QCoreApplication::sendEvent(window->windowHandle(), &event);
        }
        QKeyEvent release(QEvent::KeyRelease, key, {}, scanCode, 0, 0, text);
        QCoreApplication::sendEvent(window->windowHandle(), &release);
        if (focus == u"edit")
            QCOMPARE(edit()->text(), result);
        else
            QCOMPARE(child<QLabel>(u"lblPunktestand"_qs)->text(),
                     u"/me --Punkte--  %1, "_qs.arg(result));
    }

    void viewToggles_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("bar");
        QTest::newRow("toolbar") << u"mnuViewToolbar"_qs << u"tbToolBar"_qs;
        QTest::newRow("status bar") << u"mnuViewStatusBar"_qs << u"sbStatusBar"_qs;
    }
    // Each bar follows its check mark; the frames stay where they are.
    void viewToggles()
    {
        QFETCH(QString, item);
        QFETCH(QString, bar);
        const QRect frame = child(u"fraPunktestand"_qs)->geometry();
        action(item)->trigger();
        QCOMPARE(child(bar)->isVisible(), false);
        QCOMPARE(child(u"fraPunktestand"_qs)->geometry(), frame);
        action(item)->trigger();
        QCOMPARE(child(bar)->isVisible(), true);
    }

    void realBoxes_data()
    {
        QTest::addColumn<QString>("command"); // what opens the box
        QTest::addColumn<QMessageBox::StandardButton>("button");
        QTest::addColumn<QString>("box");    // "title|text|icon|buttons|default|format"
        QTest::addColumn<int>("candidates"); // left in the list
        const QString question =
            u"Neues Quiz|Wirklich neu anfangen?\nAlle Kandidaten und "
            "Punktestände werden gelöscht!|%1|%2|%3|%4"_qs.arg(QMessageBox::Question)
                .arg(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                .arg(QMessageBox::Yes)
                .arg(Qt::PlainText);
        QTest::newRow("File > Neu, Yes") << u"mnuFileNew"_qs << QMessageBox::Yes << question << 0;
        QTest::newRow("File > Neu, Cancel")
            << u"mnuFileNew"_qs << QMessageBox::Cancel << question << 1;
        const QString ok = u"|%1|%1|%2"_qs.arg(QMessageBox::Ok).arg(Qt::PlainText);
        QTest::newRow("help without a help file")
            << u"mnuHelpSearchForHelpOn"_qs << QMessageBox::Ok
            << u"Quiz am Freitag|Keine Hilfe verfügbar.|%1"_qs.arg(QMessageBox::Information) + ok
            << 1;
    }
    // The real boxes: title, plain text with the desktop's line breaks, icon,
    // buttons, default, and what the answer does.
    void realBoxes()
    {
        QFETCH(QString, command);
        QFETCH(QMessageBox::StandardButton, button);
        QFETCH(QString, box);
        QFETCH(int, candidates);
        services::QtMessageBoxes real;
        window = std::make_unique<mainwindow::frmMain>(services::Services{real, fx->system});
        window->setWindowTitle(u"Quiz am Freitag"_qs);
        window->show();
        score(u"Anna"_qs);
        QStringList seen;
        QTimer answering; // every box that opens, so that none keeps the test waiting
        connect(&answering, &QTimer::timeout, this, [&] {
            auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!shown)
                return;
            seen << u"%1|%2|%3|%4|%5|%6"_qs.arg(shown->windowTitle(), shown->text())
                        .arg(shown->icon())
                        .arg(shown->standardButtons())
                        .arg(shown->standardButton(shown->defaultButton()))
                        .arg(shown->textFormat());
            shown->done(button);
        });
        answering.start(10);
        action(command)->trigger();
        QCOMPARE(seen, QStringList{box});
        QCOMPARE(list()->model()->rowCount(), candidates);
    }

    // Help > Info, twice: modal, owned, its texts set, OK focused; without the
    // tool "System Info..." says so and leaves it open. The second opening
    // starts where the first did, and Space on OK closes it.
    void about()
    {
        QStringList seen;
        QPoint first;
        const bool stays = aboutLeftOpen([&](QDialog *about) {
            seen << (about->parentWidget() == window.get() ? u"owned"_qs : u"not owned"_qs);
            for (const char *name : {"lblTitle", "lblVersion", "lblDescription"})
                seen
                    << about->findChild<QLabel *>(QLatin1String(name))->text().section(u'\n', 0, 0);
            seen << about->focusWidget()->objectName();
            QWidget *button = about->findChild<QWidget *>(u"cmdSysInfo"_qs);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            first = about->pos();
            about->move(first + QPoint(40, 30));
        });
        QCOMPARE(stays, true);
        QCOMPARE(seen, (QStringList{u"owned"_qs, u"Wertungsbrett"_qs, u"Version 1.5.12"_qs,
                                    u"Zum Zählen der Punkte von Kandidaten eines Quiz."_qs,
                                    u"cmdOK"_qs}));
        QCOMPARE(
            fx->boxes.shown,
            QStringList{u"plain|Wertungsbrett|System Information Is Unavailable At This Time"_qs});
        QPoint second;
        const bool open = aboutLeftOpen([&](QDialog *about) {
            second = about->pos();
            QTest::keyClick(about->focusWidget(), Qt::Key_Space);
        });
        QCOMPARE(second, first);
        QCOMPARE(open, false);
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
