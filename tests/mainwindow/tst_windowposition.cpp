#include "mainwindow/frmmain.h"
#include "mainwindow/windowposition.h"

#include "support/fakes.h"

#include <QtTest>

namespace wp = mainwindow::windowposition;

// The stored position through the real settings file in a temporary folder.
class tst_WindowPosition : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

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
        dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->path()));
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
        row("past the left edge", u"-4485"_qs, u"4500"_qs, {-299, 300});
        row("left of the screens", u"-4500"_qs, u"4500"_qs, defaults);
        row("on the second screen", u"38385"_qs, u"0"_qs, {2559, 0});
        row("past the top edge", u"3000"_qs, u"-285"_qs, {200, -19});
        // Only a regular file, or a link to one, is ever read or written:
        // anything else gives the defaults and is left as it was, at once.
        const QString linked =
            u"printf '[Settings]\\nMainLeft=3000\\nMainTop=4500\\n' >target && ln -s target $f"_qs;
        QTest::newRow("lock is a folder")
            << u"printf '[x]\\n' >$f && mkdir $f.lock"_qs << defaults << QByteArray("[x]\n");
        QTest::newRow("lock held elsewhere") // by a program on another machine
            << linked + u" && printf '4711\\nQuiz\\nanderer-rechner\\n' >$f.lock"_qs
            << QPoint(200, 300) << QByteArray("-> [Settings]\nMainLeft=3000\nMainTop=4500\n");
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
        const QString file = dir->filePath(u"Wertungsbrett.conf"_qs);
        QSettings stale(file, QSettings::IniFormat); // opened before the damage
        QCOMPARE(QProcess::execute(
                     u"sh"_qs,
                     {u"-c"_qs, u"cd \"$0\" && f=Wertungsbrett.conf && "_qs + setup, dir->path()}),
                 0);
        const auto settings = wp::openUserStore(u"Wertungsbrett"_qs);
        const QList<QRect> screens{{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}};
        QCOMPARE(wp::load(settings.get(), {0, 0, 300, 20}, screens), opens);
        wp::save(settings ? *settings : stale, {100, -4});
        if (!after.isNull())
            QCOMPARE(held(file), after);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("normal") << false << QByteArray("[Settings]\nMainLeft=1005\nMainTop=1005\n");
        QTest::newRow("minimized") << true << QByteArray("none");
    }
    // Closing the main window stores where it is, unless it is minimized.
    void closing()
    {
        QFETCH(bool, minimized);
        QFETCH(QByteArray, after);
        FakeServices fx;
        const auto settings = wp::openUserStore(u"Wertungsbrett"_qs);
        mainwindow::frmMain window(fx.all(), settings.get());
        window.show();
        if (minimized)
            window.showMinimized();
        window.close();
        QCOMPARE(held(dir->filePath(u"Wertungsbrett.conf"_qs)), after);
    }
};

QTEST_MAIN(tst_WindowPosition)
#include "tst_windowposition.moc"
