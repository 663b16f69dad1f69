#include "mainwindow/frmmain.h"
#include "mainwindow/windowposition.h"

#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace wp = mainwindow::windowposition;

// The stored position through the real settings file in a temporary folder.
class tst_WindowPosition : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir->filePath(u"system"_qs)));
    }
    void load_data()
    {
        QTest::addColumn<QByteArray>("stored"); // null: no file
        QTest::addColumn<QPoint>("opens");      // pixels
        const QPoint defaults(67, 67);          // 1000 twips
        const auto row = [](const char *name, const QByteArray &left, const QByteArray &top,
                            QPoint opens) {
            QTest::newRow(name) << "[Settings]\nMainLeft=" + left + "\nMainTop=" + top + '\n'
                                << opens;
        };
        QTest::newRow("nothing stored") << QByteArray() << defaults;
        QTest::newRow("only MainTop")
            << QByteArray("[Settings]\nMainTop=3000\n") << QPoint(67, 200);
        QTest::newRow("another section") << QByteArray("[Other]\nMainLeft=3000\n") << defaults;
        QTest::newRow("damaged") << QByteArray("\xff\xfe\0[Sett\1ings\n=\n[[\n", 17) << defaults;
        row("rounded to pixels", "3007", "2993", {200, 200});
        for (const char *number : {"3000.0", "3000,0", "\"3000,0\"", "3e3", "2999.6"})
            row(number, number, "4500", {200, 300});
        for (const char *missing : {"", "links", "nan", "inf", "1e999", "0x10", "3.000,0"})
            row(missing, missing, "4500", {67, 300});
        row("far off", "1e30", "-99999999999999999999", defaults);
        // Some of the title bar (300 x 20 here) must be on a screen.
        row("past the left edge", "-4485", "4500", {-299, 300});
        row("left of the screens", "-4500", "4500", defaults);
        row("on the second screen", "38385", "0", {2559, 0});
        row("right of the screens", "38400", "0", defaults);
        row("past the top edge", "3000", "-285", {200, -19});
        row("above the screens", "3000", "-300", defaults);
        row("below the screens", "3000", "15360", defaults);
    }
    void load()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QPoint, opens);
        if (!stored.isNull())
            write(stored, file());
        const auto settings = wp::openUserStore(u"Wertungsbrett"_qs);
        QVERIFY(settings);
        const QList<QRect> screens{{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}};
        QCOMPARE(wp::load(settings.get(), {0, 0, 300, 20}, screens), opens);
    }
    void damagedStore_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QPoint>("opens");
        QTest::addColumn<QByteArray>("after"); // what the user's file holds after a save
        const QByteArray saved("[Settings]\nMainLeft=1500\nMainTop=-60\n");
        QTest::newRow("lock is a folder") << u"lock"_qs << QPoint(67, 67) << QByteArray("[x]\n");
        QTest::newRow("lock held elsewhere")
            << u"held"_qs << QPoint(200, 300)
            << QByteArray("-> [Settings]\nMainLeft=3000\nMainTop=4500\n");
        QTest::newRow("FIFO") << u"fifo"_qs << QPoint(67, 67) << QByteArray("special");
        QTest::newRow("link to a device")
            << u"device"_qs << QPoint(67, 67) << QByteArray("-> special");
        QTest::newRow("dangling link") << u"dangling"_qs << QPoint(67, 67) << QByteArray("-> none");
        QTest::newRow("machine-wide file only") << u"system"_qs << QPoint(67, 67) << saved;
        QTest::newRow("link to a regular file") << u"link"_qs << QPoint(200, 300) << "-> " + saved;
    }
    // Only a regular file, or a link to one, is ever read or written: anything
    // else gives the defaults and is left as it was, at once.
    void damagedStore()
    {
        QFETCH(QString, damage);
        QFETCH(QPoint, opens);
        QFETCH(QByteArray, after);
        const QString target = dir->filePath(u"target"_qs);
        QSettings stale(file(), QSettings::IniFormat); // opened before the damage
        if (damage == u"lock") {
            write("[x]\n", file());
            QVERIFY(QDir(dir->path()).mkdir(u"Wertungsbrett.conf.lock"_qs));
        } else if (damage == u"fifo") {
            QCOMPARE(::mkfifo(qPrintable(file()), 0600), 0);
        } else if (damage == u"device") {
            QCOMPARE(::mknod(qPrintable(target), S_IFCHR | 0600, makedev(1, 3)), 0);
        } else if (damage == u"system") {
            QVERIFY(QDir(dir->path()).mkdir(u"system"_qs));
            write("[Settings]\nMainLeft=6000\nMainTop=6000\n",
                  dir->filePath(u"system/Wertungsbrett.conf"_qs));
        } else if (damage == u"link" || damage == u"held") {
            write("[Settings]\nMainLeft=3000\nMainTop=4500\n", target);
        }
        if (damage == u"held") // by a program on another machine, as the lock says
            write("4711\nQuiz\nanderer-rechner\n", dir->filePath(u"Wertungsbrett.conf.lock"_qs));
        if (damage == u"device" || damage == u"dangling" || damage == u"link" || damage == u"held")
            QVERIFY(QFile::link(target, file()));

        auto settings = wp::openUserStore(u"Wertungsbrett"_qs);
        QCOMPARE(wp::load(settings.get(), {0, 0, 300, 20}, {{0, 0, 1280, 1024}}), opens);
        wp::save(settings ? *settings : stale, {100, -4});
        QCOMPARE(held(file()), after);
    }
    // Closing the main window closes the other windows first, then stores the
    // position unless the window is minimized.
    void storedOnClose()
    {
        FakeServices fx;
        auto settings = wp::openUserStore(u"Wertungsbrett"_qs);
        for (const bool minimized : {false, true}) {
            mainwindow::frmMain window(fx.all(), settings.get());
            window.show();
            window.move(100 + 100 * minimized, -4);
            QDialog owned(&window);
            owned.show();
            if (minimized)
                window.showMinimized();
            QTRY_COMPARE(window.isMinimized(), minimized);
            window.findChild<QAction *>(u"mnuFileExit"_qs)->trigger();
            QVERIFY(!owned.isVisible() && !window.isVisible());
            QCOMPARE(held(file()), "[Settings]\nMainLeft=1500\nMainTop=-60\n");
        }
    }

private:
    QString file() const { return dir->filePath(u"Wertungsbrett.conf"_qs); }
    void write(const QByteArray &content, const QString &path)
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
    }
    // What a path holds, through links.
    QByteArray held(const QString &path) const
    {
        const QFileInfo info(path);
        QFile in(path);
        if (info.isSymLink())
            return "-> " + held(info.symLinkTarget());
        if (info.isFile() && in.open(QIODevice::ReadOnly))
            return in.readAll();
        return info.isDir() ? "folder" : info.exists() ? "special" : "none";
    }

    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(tst_WindowPosition)
#include "tst_windowposition.moc"
