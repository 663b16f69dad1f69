#include "fakeclipboard.h"
#include "fakemessageboxes.h"
#include "frmmain.h"
#include "windowposition.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

#include <sys/stat.h>
#include <sys/sysmacros.h>

// The main window's stored position, through the real settings file in a
// temporary folder, on a real X server with one 1280 x 1024 screen. Without a
// window manager the window's outer corner is its client corner, so every
// pixel can be checked.
class tst_WindowPosition : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(u"Wertungsbrett"_qs); }
    void init();
    void cleanup();

    void startPosition_data();
    void startPosition();
    void storedOnClose_data();
    void storedOnClose();
    void minimizedCloseKeepsStore();
    void damagedStore_data();
    void damagedStore();
    void otherWindowsCloseFirst();

private:
    QString fileName() const { return dir->filePath(u"Wertungsbrett.conf"_qs); }
    void store(const QByteArray &content, const QString &path = {});
    QByteArray stored() const;
    void open();

    std::unique_ptr<QTemporaryDir> dir;
    FakeMessageBoxes boxes;
    FakeClipboard clipboard;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<frmMain> window;
};

void tst_WindowPosition::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->path()));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir->filePath(u"system"_qs)));
    boxes = FakeMessageBoxes();
}

void tst_WindowPosition::cleanup()
{
    window.reset();
    settings.reset();
}

void tst_WindowPosition::store(const QByteArray &content, const QString &path)
{
    QFile file(path.isEmpty() ? fileName() : path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray tst_WindowPosition::stored() const
{
    QFile file(fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void tst_WindowPosition::open()
{
    settings = windowposition::openUserStore(QApplication::applicationName());
    window = std::make_unique<frmMain>(frmMain::Services{
        .messageBoxes = boxes, .clipboard = clipboard, .settings = settings.get()});
}

void tst_WindowPosition::startPosition_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file
    QTest::addColumn<QPoint>("position"); // in pixels
    const QPoint defaults(67, 67);        // 1000 twips
    QTest::newRow("nothing stored") << QByteArray() << defaults;
    QTest::newRow("both stored") << QByteArray("[Settings]\nMainLeft=1005\nMainTop=4500\n")
                                 << QPoint(67, 300);
    QTest::newRow("only MainLeft") << QByteArray("[Settings]\nMainLeft=3000\n") << QPoint(200, 67);
    QTest::newRow("only MainTop") << QByteArray("[Settings]\nMainTop=3000\n") << QPoint(67, 200);
    QTest::newRow("another section") << QByteArray("[Other]\nMainLeft=3000\n") << defaults;
    QTest::newRow("not a whole pixel")
        << QByteArray("[Settings]\nMainLeft=3007\nMainTop=2993\n") << QPoint(200, 200);
    // Numbers as the C or the German locale writes them; the rest counts as
    // missing, and a number far off the screen puts the window out of reach.
    const auto left = [](const char *text, QPoint position) {
        QTest::addRow("MainLeft=%s", text)
            << QByteArray("[Settings]\nMainLeft=") + text + "\nMainTop=3000\n"
            << position;
    };
    for (const char *text : {"3000.0", "3000,0", "\"3000,0\"", "3e3"})
        left(text, {200, 200});
    for (const char *text : {"", "links", "nan", "inf", "1e999", "0x10", "3.000,0"})
        left(text, {67, 200});
    for (const char *text : {"1e30", "-99999999999999999999"})
        left(text, defaults);
    QTest::newRow("damaged file") << QByteArray("\xff\xfe\x00[Sett\x01ings\n=\n[[\n", 18)
                                  << defaults;

    // The title bar must keep a part on the screen, or the window is out of
    // reach and opens at the defaults instead.
    const auto at = [](int left, int top) {
        return QByteArray("[Settings]\nMainLeft=") + QByteArray::number(left * 15) +
               "\nMainTop=" + QByteArray::number(top * 15) + '\n';
    };
    QTest::newRow("past the left edge") << at(-200, 300) << QPoint(-200, 300);
    QTest::newRow("left of the screen") << at(-300, 300) << defaults;
    QTest::newRow("at the right edge") << at(1279, 300) << QPoint(1279, 300);
    QTest::newRow("right of the screen") << at(1280, 300) << defaults;
    QTest::newRow("past the top edge") << at(200, -4) << QPoint(200, -4);
    QTest::newRow("above the screen") << at(200, -1000) << defaults;
    QTest::newRow("at the bottom edge") << at(200, 1023) << QPoint(200, 1023);
    QTest::newRow("below the screen") << at(200, 1024) << defaults;
}

// The position is read before the window is first shown, so it opens there.
void tst_WindowPosition::startPosition()
{
    QFETCH(QByteArray, file);
    QFETCH(QPoint, position);
    if (!file.isNull())
        store(file);
    open();
    QCOMPARE(window->pos(), position);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->frameGeometry().topLeft(), position);
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_WindowPosition::storedOnClose_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("File > Beenden") << u"menu"_qs;
    QTest::newRow("close box") << u"close box"_qs;
    QTest::newRow("session end") << u"session end"_qs;
}

// Every way out writes the position as whole twips, negative ones included.
void tst_WindowPosition::storedOnClose()
{
    QFETCH(QString, how);
    store("[Settings]\nMainLeft=1005\nMainTop=4500\n");
    open();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->move(100, -4);
    QTRY_COMPARE(window->pos(), QPoint(100, -4));

    if (how == u"menu") {
        window->findChild<QAction *>(u"mnuFileExit"_qs)->trigger();
    } else if (how == u"close box") {
        window->windowHandle()->close(); // what the window system sends
    } else {
        // The session manager ends the program with a quit request.
        QTimer::singleShot(0, [] { QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit)); });
        QCOMPARE(QApplication::exec(), 0);
    }

    QVERIFY(!window->isVisible());
    QCOMPARE(stored(), QByteArray("[Settings]\nMainLeft=1500\nMainTop=-60\n"));
}

void tst_WindowPosition::minimizedCloseKeepsStore()
{
    const QByteArray before("[Settings]\nMainLeft=3000\nMainTop=4500\n");
    store(before);
    open();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->move(400, 500);
    window->showMinimized();
    QVERIFY(window->isMinimized());
    window->close();
    QCOMPARE(stored(), before);
}

// What a path holds, through links, as a test can compare it.
static QByteArray describe(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink())
        return "-> " + describe(info.symLinkTarget());
    if (info.isFile() && file.open(QIODevice::ReadOnly))
        return file.readAll();
    return info.isDir() ? "folder" : info.exists() ? "special" : "none";
}

void tst_WindowPosition::damagedStore_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QPoint>("opens");
    QTest::addColumn<QByteArray>("after"); // what the user's settings file holds then
    const QByteArray before("[Settings]\nMainLeft=3000\nMainTop=4500\n");
    const QByteArray moved("[Settings]\nMainLeft=1500\nMainTop=-60\n");
    QTest::newRow("lock is a folder") << u"lock"_qs << QPoint(67, 67) << before;
    QTest::newRow("FIFO") << u"fifo"_qs << QPoint(67, 67) << QByteArray("special");
    QTest::newRow("link to a device") << u"device"_qs << QPoint(67, 67) << QByteArray("-> special");
    QTest::newRow("dangling link") << u"dangling"_qs << QPoint(67, 67) << QByteArray("-> none");
    QTest::newRow("machine-wide file only") << u"system"_qs << QPoint(67, 67) << moved;
    QTest::newRow("link to a regular file") << u"link"_qs << QPoint(200, 300) << "-> " + moved;
}

// Only a regular file, or a link to one, is ever read or written; anything
// else leaves the defaults, and closing stores nothing and says nothing.
void tst_WindowPosition::damagedStore()
{
    QFETCH(QString, damage);
    QFETCH(QPoint, opens);
    QFETCH(QByteArray, after);
    const QString target = dir->filePath(u"target"_qs);
    const QByteArray before("[Settings]\nMainLeft=3000\nMainTop=4500\n");
    if (damage == u"lock") {
        store(before);
        QVERIFY(QDir(dir->path()).mkdir(u"Wertungsbrett.conf.lock"_qs));
    } else if (damage == u"fifo") {
        QCOMPARE(::mkfifo(qPrintable(fileName()), 0600), 0);
    } else if (damage == u"device") {
        if (::mknod(qPrintable(target), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("making a device needs root");
        QVERIFY(QFile::link(target, fileName()));
    } else if (damage == u"dangling") {
        QVERIFY(QFile::link(target, fileName()));
    } else if (damage == u"system") {
        QVERIFY(QDir(dir->path()).mkdir(u"system"_qs));
        store("[Settings]\nMainLeft=6000\nMainTop=6000\n",
              dir->filePath(u"system/Wertungsbrett.conf"_qs));
    } else {
        store(before, target);
        QVERIFY(QFile::link(target, fileName()));
    }

    open();
    QCOMPARE(window->pos(), opens);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->move(100, -4);
    QTRY_COMPARE(window->pos(), QPoint(100, -4));
    window->findChild<QAction *>(u"mnuFileExit"_qs)->trigger();
    QVERIFY(!window->isVisible());
    QCOMPARE(describe(fileName()), after);
    QCOMPARE(boxes.shown.size(), 0);
}

// The main window closes the program's other windows before it stores its
// position.
void tst_WindowPosition::otherWindowsCloseFirst()
{
    store("[Settings]\nMainLeft=1005\nMainTop=4500\n");
    open();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->move(100, 200);
    QTRY_COMPARE(window->pos(), QPoint(100, 200));
    QDialog owned(window.get());
    QWidget loose;
    owned.show();
    loose.show();
    QList<QByteArray> storeWhenClosed;
    const auto watch = [&](QWidget *other) {
        connect(other->windowHandle(), &QWindow::visibleChanged, this, [&](bool visible) {
            if (!visible)
                storeWhenClosed << stored();
        });
    };
    watch(&owned);
    watch(&loose);

    window->close();

    QVERIFY(!owned.isVisible());
    QVERIFY(!loose.isVisible());
    QCOMPARE(storeWhenClosed,
             QList<QByteArray>(2, QByteArray("[Settings]\nMainLeft=1005\nMainTop=4500\n")));
    QCOMPARE(stored(), QByteArray("[Settings]\nMainLeft=1500\nMainTop=3000\n"));
}

QTEST_MAIN(tst_WindowPosition)
#include "tst_windowposition.moc"
