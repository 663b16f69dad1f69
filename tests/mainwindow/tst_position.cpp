#include "mainwindow/frmmain.h"
#include "mainwindow/windowposition.h"

#include "support/fakes.h"

#include <QtTest>

namespace wp = mainwindow::windowposition;

class tst_Position : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config; // the user's settings folder

    // What a path holds, through links.
    static QByteArray held(const QString &path)
    {
        const QFileInfo info(path);
        QFile in(path);
        if (info.isSymLink())
            return "-> " + held(info.symLinkTarget());
        if (info.isFile() && in.open(QIODevice::ReadOnly))
            return in.readAll();
        return info.exists() ? "special" : "none";
    }

private slots:
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    }

    void position_data()
    {
        QTest::addColumn<QString>("setup");    // shell commands in the folder; $f: the file
        QTest::addColumn<QPoint>("opens");     // pixels
        QTest::addColumn<QByteArray>("after"); // what $f holds after a save; null: not looked at
        const QPoint defaults(67, 67);         // 1000 twips
        const QByteArray saved("[Settings]\nMainLeft=1500\nMainTop=-60\n");
        const auto row =
            [](const char *name, const QString &left, const QString &top, QPoint opens) {
                QTest::newRow(name)
                    << u"printf '[Settings]\\nMainLeft=%1\\nMainTop=%2\\n' >$f"_qs.arg(left, top)
                    << opens << QByteArray();
            };
        QTest::newRow("nothing stored") << u"true"_qs << defaults << saved;
        row("rounded to pixels", u"3007"_qs, u"2993"_qs, {200, 200});
        for (const char *number : {"3000.0", "3000,0", "\"3000,0\"", "3e3", "2999.6"})
            row(number, QString::fromLatin1(number), u"4500"_qs, {200, 300});
        for (const char *missing :
             {"", "links", "nan", "inf", "1e999", "0x10", "3.000,0", "@Rect(1 2 3 4)"})
            row(missing, QString::fromLatin1(missing), u"4500"_qs, {67, 300});
        row("far off", u"1e30"_qs, u"-99999999999999999999"_qs, defaults);
        // Some of the title bar (300 x 20 here) must be on a screen.
        row("left of the screens", u"-4500"_qs, u"4500"_qs, defaults);
        row("on the second screen", u"38385"_qs, u"0"_qs, {2559, 0});
        // Anything but a regular file, or a link to one, gives the defaults at once and stays.
        const QString linked =
            u"printf '[Settings]\\nMainLeft=3000\\nMainTop=4500\\n' >target && ln -s target $f"_qs;
        QTest::newRow("lock is a folder")
            << u"printf '[x]\\n' >$f && mkdir $f.lock"_qs << defaults << QByteArray("[x]\n");
        QTest::newRow("lock held elsewhere") // by a program on another machine
            << linked + u" && printf '4711\\nQuiz\\nanderer-rechner\\n' >$f.lock"_qs
            << QPoint(200, 300) << QByteArray("-> [Settings]\nMainLeft=3000\nMainTop=4500\n");
        QTest::newRow("lock held here") // by a live program, which may keep it: not waited for
            << u"printf '[Settings]\\nMainTop=4500\\n' >$f && { sleep 5 & "
               "printf \"$!\\nsleep\\n$(hostname)\\n\" >$f.lock; }"_qs
            << QPoint(67, 300) << QByteArray("[Settings]\nMainTop=4500\n");
        QTest::newRow("lock is a link") // even one to a regular file
            << linked + u" && printf 'fremd' >other && ln -s other $f.lock"_qs << defaults
            << QByteArray("-> [Settings]\nMainLeft=3000\nMainTop=4500\n");
        QTest::newRow("FIFO") << u"mkfifo $f"_qs << defaults << QByteArray("special");
        QTest::newRow("link to a device")
            << u"ln -s /dev/null $f"_qs << defaults << QByteArray("-> special");
        QTest::newRow("dangling link")
            << u"ln -s target $f"_qs << defaults << QByteArray("-> none");
        QTest::newRow("link to a regular file") << linked << QPoint(200, 300) << "-> " + saved;
    }
    void position()
    {
        QFETCH(QString, setup);
        QFETCH(QPoint, opens);
        QFETCH(QByteArray, after);
        const QString file = config->filePath(u"Wertungsbrett.conf"_qs);
        QSettings stale(file, QSettings::IniFormat); // opened before the damage
        const QString script = u"cd \"$0\" && f=Wertungsbrett.conf && "_qs + setup;
        QCOMPARE(QProcess::execute(u"sh"_qs, {u"-c"_qs, script, config->path()}), 0);
        const auto settings = wp::openUserStore(u"Wertungsbrett"_qs);
        const QList<QRect> screens{{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}};
        QCOMPARE(wp::load(settings.get(), {0, 0, 300, 20}, screens), opens);
        wp::save(settings ? *settings : stale, {100, -4});
        if (!after.isNull())
            QCOMPARE(held(file), after);
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("after");
        const QByteArray stored("[Settings]\nMainLeft=1005\nMainTop=1005\n");
        QTest::newRow("normal") << u"normal"_qs << stored;
        QTest::newRow("minimized") << u"minimized"_qs << QByteArray("none");
        // Closed again once hidden, as by a second end signal: the place is no longer the user's.
        QTest::newRow("twice") << u"twice"_qs << stored;
    }
    // Closing the main window stores where it is, once, unless it is minimized.
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(QByteArray, after);
        const auto settings = wp::openUserStore(u"Wertungsbrett"_qs);
        FakeServices fx;
        mainwindow::frmMain window(fx.all(), settings.get());
        window.show();
        if (how == u"minimized")
            window.showMinimized();
        window.close();
        if (how == u"twice") {
            window.move(window.pos() + QPoint(50, 50));
            window.close();
        }
        QCOMPARE(held(config->filePath(u"Wertungsbrett.conf"_qs)), after);
    }
};

QTEST_MAIN(tst_Position)
#include "tst_position.moc"
