#include "app/heldkeys.h"
#include "app/workarounds.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"
#include "mainwindow/singleline.h"
#include "mainwindow/statuspanel.h"

#include "support/accessibility.h"
#include "support/fakes.h"
#include "support/referencequiz.h"

#include <QtTest>
#include <QtWidgets>

using Answer = services::MessageBoxes::Answer;

// What the label and the status panel are given at most of their text.
constexpr qsizetype Shown = 512;

// What screen readers were told was shown: "role|name" of each object.
QStringList heard;
void listen(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::ObjectShow)
        heard << u"%1|%2"_qs.arg(event->accessibleInterface()->role())
                     .arg(event->accessibleInterface()->text(QAccessible::Name));
}

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
    static QAccessibleInterface *accessible(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    // Runs `step` on the About window, then closes it, so that none keeps the test waiting.
    void openAbout(const std::function<void(QDialog *)> &step)
    {
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(about);
            step(about);
            about->reject();
        });
        action(u"mnuHelpAbout"_qs)->trigger();
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
        Module1::ignoreLateAltPresses(*qApp);
    }
    void init()
    {
        fx = std::make_unique<FakeServices>();
        window = std::make_unique<mainwindow::frmMain>(fx->all());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void layout_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("bar");
        QTest::newRow("toolbar") << u"mnuViewToolbar"_qs << u"tbToolBar"_qs;
        QTest::newRow("status bar") << u"mnuViewStatusBar"_qs << u"sbStatusBar"_qs;
    }
    // Edit field and list fill the candidate box, the size is fixed, every control has a name a
    // screen reader can say, not repeating its role; a bar follows its check mark, frames stay.
    void layout()
    {
        QFETCH(QString, item);
        QFETCH(QString, bar);
        QCOMPARE(edit()->geometry().united(list()->geometry()), child(u"cboKandidaten"_qs)->rect());
        QCOMPARE(list()->y(), edit()->height());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QPoint inList = // on the list's own white, not the window's grey
            list()->mapTo(window.get(), QPoint(list()->width() / 2, list()->height() - 4));
        QCOMPARE(window->grab().toImage().pixelColor(inList),
                 list()->palette().color(QPalette::Base));
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
        const QRect frame = child(u"fraPunktestand"_qs)->geometry();
        action(item)->trigger();
        QCOMPARE(child(bar)->isVisible(), false);
        QCOMPARE(child(u"fraPunktestand"_qs)->geometry(), frame);
        action(item)->trigger();
        QCOMPARE(child(bar)->isVisible(), true);
    }

    // Commands on tricky names vs. the reference; panel and label show its start; nothing moves.
    void randomRun()
    {
        const QStringList names{u"Anna"_qs,          u"Bernd"_qs,         QString(),
                                u"Tom & &&Jerry"_qs, u"<b>fett</b>"_qs,   u"\u2067\u202EAnna"_qs,
                                u"A\u200Fשרה"_qs,    QString(32767, u'M')};
        const QList<QRect> before = geometries();
        QRandomGenerator random(7);
        ReferenceQuiz reference;
        QString status = u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs;
        const QString question = u"question|Neues Quiz|Wirklich neu anfangen?\r\nAlle Kandidaten "
                                 "und Punktestände werden gelöscht!"_qs;
        QWidget *copy = child(u"cmdCopyPunktestandToClipboard"_qs);
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
                QCOMPARE(fx->boxes.shown, QStringList{question});
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
            if (expected.status)
                status = *expected.status;
            const QString told = u"%1|%2"_qs.arg(QAccessible::Notification).arg(status);
            QCOMPARE(heard, expected.status ? QStringList{told} : QStringList());
            QCOMPARE(child<QLabel>(u"panel"_qs)->text(), status.left(Shown));
            QCOMPARE(accessible(child(u"panel"_qs))->text(QAccessible::Name), status);
            QCOMPARE(child<QLabel>(u"lblPunktestand"_qs)->text(), reference.line().left(Shown));
            QCOMPARE(accessible(copy)->text(QAccessible::Description), reference.line(4096));
            QTest::mouseClick(copy, Qt::LeftButton); // copies the whole line
            QCOMPARE(QGuiApplication::clipboard()->text(), reference.line());
            QCOMPARE(edit()->text(), cleared ? QString() : name);
        }
        QCOMPARE(geometries(), before);
    }

    void keepOneLine_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text"); // after the edit; `|` marks the cursor
        QTest::addColumn<QString>("kept");
        QTest::newRow("pasted in the middle") << u"Anna"_qs << u"AnX\nY|na"_qs << u"AnX|na"_qs;
        QTest::newRow("set whole") << u"Anna"_qs << u"AnX\nYna|"_qs << u"AnX|na"_qs;
        QTest::newRow("several lines") << QString() << u"A\rB\r\nC|"_qs << u"A|"_qs;
        QTest::newRow("cursor at the break") << QString() << u"A|\nB"_qs << u"A|"_qs;
        QTest::newRow("next line") << QString() << u"A\u0085B|"_qs << u"A|"_qs;
        QTest::newRow("line separator") << QString() << u"A\u2028B|"_qs << u"A|"_qs;
        QTest::newRow("paragraph separator") << QString() << u"A\u2029B|"_qs << u"A|"_qs;
        QTest::newRow("NUL, BEL, ESC, chat codes")
            << QString() << u"N\u0000B\u0007E\u001B[1m\u0002\u001F|!"_qs << u"NBE[1m|!"_qs;
        QTest::newRow("DEL, C1 controls") << QString() << u"A\u007F\u0080\u009FB|"_qs << u"AB|"_qs;
        QTest::newRow("tab") << QString() << u"A\tB|"_qs << u"A B|"_qs;
        QTest::newRow("cursor after a control") << QString() << u"A\u0001B|C"_qs << u"AB|C"_qs;
        QTest::newRow("printable neighbours") << QString() << u" ~\u00A0|"_qs << u" ~\u00A0|"_qs;
    }
    void keepOneLine()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        int cursor = int(text.indexOf(u'|'));
        text.remove(cursor, 1);
        mainwindow::keepOneLine(before, text, cursor);
        text.insert(cursor, u'|');
        QCOMPARE(text, kept);
    }

    void pick_data()
    {
        QTest::addColumn<QKeyCombination>("key"); // none: a click on row `to`, from a button
        QTest::addColumn<int>("from");            // the list's current row; -1: none
        QTest::addColumn<int>("to");              // -1: a page on from `from`
        QTest::addColumn<bool>("picks");
        QTest::newRow("click") << QKeyCombination() << -1 << 2 << true;
        QTest::newRow("Up, no entry yet") << QKeyCombination(Qt::Key_Up) << -1 << 0 << true;
        QTest::newRow("Down") << QKeyCombination(Qt::Key_Down) << 3 << 4 << true;
        QTest::newRow("Up at the top") << QKeyCombination(Qt::Key_Up) << 0 << 0 << true;
        QTest::newRow("Down at the bottom") << QKeyCombination(Qt::Key_Down) << 19 << 19 << true;
        QTest::newRow("Up on the keypad") << (Qt::KeypadModifier | Qt::Key_Up) << 3 << 2 << true;
        QTest::newRow("Page Down") << QKeyCombination(Qt::Key_PageDown) << 2 << -1 << true;
        QTest::newRow("Page Up") << QKeyCombination(Qt::Key_PageUp) << 19 << -1 << true;
        QTest::newRow("Shift+Down") << (Qt::ShiftModifier | Qt::Key_Down) << 3 << 3 << false;
    }
    // Keys move by one or a page; a pick selects the name as stored, not as shown, in the edit.
    void pick()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, picks);
        for (int i = 0; i < 20; ++i) {
            edit()->setText(u"\u2067K%1"_qs.arg(i, 2, 10, QLatin1Char('0')));
            click(u"cmdPlus"_qs);
        }
        edit()->setText(u"x"_qs);
        if (to < 0) {
            int shown = 0;
            while (list()->viewport()->rect().contains(
                list()->visualRect(list()->model()->index(shown, 0))))
                ++shown;
            to = key.key() == Qt::Key_PageDown ? from + shown - 1 : from - shown + 1;
        }
        if (from >= 0)
            list()->setCurrentIndex(list()->model()->index(from, 0));
        const QModelIndex entry = list()->model()->index(to, 0);
        child(key == QKeyCombination() ? u"cmdPlus"_qs : u"edit"_qs)->setFocus();
        if (key == QKeyCombination())
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                              list()->visualRect(entry).center());
        else
            QTest::keyClick(edit(), key.key(), key.keyboardModifiers());
        QCOMPARE(list()->currentIndex().row(), to);
        const QString name = u"\u2067K%1"_qs.arg(to, 2, 10, QLatin1Char('0'));
        QCOMPARE(entry.data().toString(), ReferenceQuiz::closed(name));
        if (picks)
            QCOMPARE(edit()->selectedText(), name);
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
    // Cut, Copy and Paste, however given, act once on the focused field, never on a button.
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
            QKeyEvent lateAlt(QEvent::KeyPress, Qt::Key_Alt, {}); // a screen reader's copy
            QCoreApplication::sendEvent(window->windowHandle(), &lateAlt);
            QTest::keyClick(window->windowHandle(), accessKeys.value(command));
        }
        QCOMPARE(edit()->text() + u'|' + QGuiApplication::clipboard()->text(), result);
    }

    void heldKeys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("scanCode");   // 0: made up, not typed
        QTest::addColumn<bool>("marked");    // the platform marks the repeats
        QTest::addColumn<bool>("away");      // the program loses the keyboard between presses
        QTest::addColumn<QString>("result"); // the line's candidate, or the edit text
        const int enter = Qt::Key_Enter, ret = Qt::Key_Return;
        const QString plus = u"cmdPlus"_qs;
        QTest::newRow("Return, marked") << plus << ret << 36 << true << false << u"Anna 1P"_qs;
        QTest::newRow("Return, unmarked") << plus << ret << 36 << false << false << u"Anna 1P"_qs;
        QTest::newRow("keypad Enter") << plus << enter << 104 << false << false << u"Anna 1P"_qs;
        QTest::newRow("made up") << plus << ret << 0 << false << false << u"Anna 3P"_qs;
        QTest::newRow("let go elsewhere") << plus << ret << 36 << false << true << u"Anna 3P"_qs;
        QTest::newRow("a letter") << u"edit"_qs << int(Qt::Key_N) << 57 << false << false
                                  << u"Annannn"_qs;
    }
    // Held, a key presses a button once, however its repeats are reported, and repeats elsewhere.
    void heldKeys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, scanCode);
        QFETCH(bool, marked);
        QFETCH(bool, away);
        QFETCH(QString, result);
        const QString text(QChar(QTest::keyToAscii(Qt::Key(key)))); // as typed
        edit()->setText(u"Anna"_qs);
        child(focus)->setFocus();
        for (int press = 0; press < 3; ++press) {
            QKeyEvent event(QEvent::KeyPress, key, {}, scanCode, 0, 0, text, marked && press > 0);
            QCoreApplication::sendEvent(window->windowHandle(), &event);
            if (away) // its release reached another program
                emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        }
        QKeyEvent release(QEvent::KeyRelease, key, {}, scanCode, 0, 0, text);
        QCoreApplication::sendEvent(window->windowHandle(), &release);
        if (focus == u"edit")
            QCOMPARE(edit()->text(), result);
        else
            QCOMPARE(child<QLabel>(u"lblPunktestand"_qs)->text(),
                     u"/me --Punkte--  %1, "_qs.arg(result));
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
    // The real boxes, with the desktop's line breaks, and what the answer does.
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
        edit()->setText(u"Anna"_qs);
        click(u"cmdPlus"_qs);
        QStringList seen;
        QTimer answering; // every box that opens, so that none keeps the test waiting
        connect(&answering, &QTimer::timeout, this, [&] {
            if (auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << u"%1|%2|%3|%4|%5|%6"_qs.arg(shown->windowTitle(), shown->text())
                            .arg(shown->icon())
                            .arg(shown->standardButtons())
                            .arg(shown->standardButton(shown->defaultButton()))
                            .arg(shown->textFormat());
                shown->done(button);
            }
        });
        answering.start(10);
        action(command)->trigger();
        QCOMPARE(seen, QStringList{box});
        QCOMPARE(list()->model()->rowCount(), candidates);
    }

    // Help > Info: owned, OK focused, System Info without a tool; reopened where it first was.
    void about()
    {
        QStringList seen;
        QPoint first;
        openAbout([&](QDialog *about) {
            seen << (about->parentWidget() == window.get() ? u"owned"_qs : u"not owned"_qs);
            for (const QString &name : {u"lblTitle"_qs, u"lblVersion"_qs, u"lblDescription"_qs})
                seen << about->findChild<QLabel *>(name)->text().section(u'\n', 0, 0);
            seen << about->focusWidget()->objectName();
            QWidget *button = about->findChild<QWidget *>(u"cmdSysInfo"_qs);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            seen << fx->boxes.shown << (about->isVisible() ? u"open"_qs : u"closed"_qs);
            first = about->pos();
            about->move(first + QPoint(40, 30));
        });
        QCOMPARE(seen, (QStringList{
                           u"owned"_qs, u"Wertungsbrett"_qs, u"Version 1.5.12"_qs,
                           u"Zum Zählen der Punkte von Kandidaten eines Quiz."_qs, u"cmdOK"_qs,
                           u"plain|Wertungsbrett|System Information Is Unavailable At This Time"_qs,
                           u"open"_qs}));
        openAbout([&](QDialog *about) {
            QCOMPARE(about->pos(), first);
            QTest::keyClick(about->focusWidget(), Qt::Key_Space);
            QCOMPARE(about->isVisible(), false);
        });
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
