#include "fakemessageboxes.h"
#include "frmmain.h"
#include "simplecombobox.h"
#include "systemclipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <memory>

namespace {

// A format that only this test puts on the clipboard, to see whether a
// command kept or replaced what was there.
const QString Probe = QStringLiteral("application/x-wertungsbrett-probe");

struct Command
{
    QString name;     // Cut, Copy or Paste
    Qt::Key shortcut; // with Ctrl
    Qt::Key menuKey;  // the access key in "&Bearbeiten"
};

const Command Commands[] = {
    {u"Cut"_qs, Qt::Key_X, Qt::Key_A},
    {u"Copy"_qs, Qt::Key_C, Qt::Key_K},
    {u"Paste"_qs, Qt::Key_V, Qt::Key_E},
};

const Command &command(const QString &name)
{
    return *std::find_if(std::begin(Commands), std::end(Commands),
                         [&name](const Command &c) { return c.name == name; });
}

} // namespace

// Cut, Copy and Paste of the main window on the real clipboard of an X
// server, given from the menu (directly, by mouse and by its access keys),
// the toolbar and the shortcut keys: every way must give the same result.
class tst_EditCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commands_data();
    void commands();
    void undoKeyRunsNothing();

private:
    QLineEdit *edit() const
    {
        return window->findChild<SimpleComboBox *>(u"cboKandidaten"_qs)->lineEdit();
    }
    QAction *action(const QString &name) const { return window->findChild<QAction *>(name); }
    void give(const QString &how, const Command &command);

    FakeMessageBoxes boxes;
    SystemClipboard clipboard;
    std::unique_ptr<frmMain> window;
};

void tst_EditCommands::init()
{
    boxes = FakeMessageBoxes();
    window = std::make_unique<frmMain>(frmMain::Services{boxes, clipboard});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // No window manager activates the window under a bare X server.
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    QTRY_COMPARE(QApplication::activeWindow(), window.get());
}

void tst_EditCommands::cleanup()
{
    window.reset();
}

void tst_EditCommands::give(const QString &how, const Command &command)
{
    if (how == u"menu") {
        action(u"mnuEdit"_qs + command.name)->trigger();
    } else if (how == u"toolbar") {
        auto *bar = window->findChild<QToolBar *>(u"tbToolBar"_qs);
        QTest::mouseClick(bar->widgetForAction(action(u"tb"_qs + command.name)), Qt::LeftButton);
    } else if (how == u"shortcut") {
        QTest::keyClick(QApplication::focusWidget(), command.shortcut, Qt::ControlModifier);
    } else if (how == u"mouse") {
        QMenuBar *bar = window->menuBar();
        auto *menu = window->findChild<QMenu *>(u"mnuEdit"_qs);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QAction *item = action(u"mnuEdit"_qs + command.name);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTRY_VERIFY(!menu->isVisible());
    } else { // the menu by its access keys
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
        auto *menu = window->findChild<QMenu *>(u"mnuEdit"_qs);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, command.menuKey);
        QTRY_VERIFY(!menu->isVisible());
    }
}

void tst_EditCommands::commands_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("focus");  // "edit" or the name of a button
    QTest::addColumn<int>("start");      // selection start, or the caret
    QTest::addColumn<int>("length");     // selection length, 0 for none
    QTest::addColumn<QString>("before"); // clipboard text; null: empty clipboard
    QTest::addColumn<QString>("text");   // the edit text afterwards
    QTest::addColumn<QString>("after");  // the clipboard text afterwards
    QTest::addColumn<bool>("kept");      // the clipboard kept its other formats
    const QString name = u"Anna Berg"_qs;
    const struct
    {
        const char *name, *command, *focus;
        int start, length;
        QString before, text, after;
        bool kept;
    } cases[] = {
        {"copy a selection", "Copy", "edit", 0, 4, u"alt"_qs, name, u"Anna"_qs, false},
        {"copy nothing selected", "Copy", "edit", 2, 0, u"alt"_qs, name, u"alt"_qs, true},
        {"cut a selection", "Cut", "edit", 4, 5, u"alt"_qs, u"Anna"_qs, u" Berg"_qs, false},
        {"cut nothing selected", "Cut", "edit", 4, 0, u"alt"_qs, name, u"alt"_qs, true},
        {"paste at the caret", "Paste", "edit", 4, 0, u"alt"_qs, u"Annaalt Berg"_qs, u"alt"_qs,
         true},
        {"paste over a selection", "Paste", "edit", 5, 4, u"Kurz"_qs, u"Anna Kurz"_qs, u"Kurz"_qs,
         true},
        {"paste lines", "Paste", "edit", 4, 0, u"Eins\r\nZwei\r\n"_qs, u"AnnaEins Berg"_qs,
         u"Eins\r\nZwei\r\n"_qs, true},
        {"paste an empty clipboard over a selection", "Paste", "edit", 0, 5, QString(), u"Berg"_qs,
         QString(), false},
        {"paste an empty clipboard at the caret", "Paste", "edit", 0, 0, QString(), name, QString(),
         false},
        {"cut with a button focused", "Cut", "cmdPlus", 0, 4, u"alt"_qs, name, u"alt"_qs, true},
        {"copy with a button focused", "Copy", "cmdMinus", 0, 4, u"alt"_qs, name, u"alt"_qs, true},
        {"paste with a button focused", "Paste", "cmdCopyPunktestandToClipboard", 0, 4, u"alt"_qs,
         name, u"alt"_qs, true},
    };
    for (const QString &how :
         {u"menu"_qs, u"mouse"_qs, u"toolbar"_qs, u"shortcut"_qs, u"access keys"_qs}) {
        for (const auto &c : cases) {
            QTest::addRow("%s, %s", c.name, qPrintable(how))
                << how << QString::fromLatin1(c.command) << QString::fromLatin1(c.focus) << c.start
                << c.length << c.before << c.text << c.after << c.kept;
        }
    }
}

void tst_EditCommands::commands()
{
    QFETCH(QString, how);
    QFETCH(QString, command);
    QFETCH(QString, focus);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(bool, kept);

    QClipboard *system = QGuiApplication::clipboard();
    if (before.isNull()) {
        system->clear();
    } else {
        auto *content = new QMimeData;
        content->setText(before);
        content->setData(Probe, "probe");
        system->setMimeData(content);
    }
    if (focus == u"edit")
        edit()->setFocus();
    else
        window->findChild<QPushButton *>(focus)->setFocus();
    edit()->setText(u"Anna Berg"_qs);
    edit()->setSelection(start, length);
    QSignalSpy ran(action(u"mnuEdit"_qs + command), &QAction::triggered);

    give(how, ::command(command));

    QCOMPARE(edit()->text(), text);
    QCOMPARE(system->text(), after.isNull() ? QString() : after);
    QCOMPARE(system->mimeData()->hasFormat(Probe), kept);
    QCOMPARE(ran.size(), how == u"toolbar" ? 0 : 1); // the toolbar calls the handler itself
    QCOMPARE(boxes.shown.size(), 0);
}

// Undo is disabled: its key is left to the edit field and runs nothing of
// the window.
void tst_EditCommands::undoKeyRunsNothing()
{
    QGuiApplication::clipboard()->setText(u"alt"_qs);
    edit()->setFocus();
    QTest::keyClicks(edit(), u"Anna"_qs);
    edit()->selectAll();
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (QAction *item : window->findChildren<QAction *>())
        spies << std::make_shared<QSignalSpy>(item, &QAction::triggered);

    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);

    for (const auto &spy : spies)
        QCOMPARE(spy->size(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"alt"_qs);
    QCOMPARE(boxes.shown.size(), 0);
}

QTEST_MAIN(tst_EditCommands)
#include "tst_editcommands.moc"
