#include <QtGui>
#include <QtTest>

#include <csignal>

// The program as the user starts it, on a real X server driven by xdotool,
// with its settings in a temporary folder: where it opens, what it puts on the
// real clipboard, and what ending it by File > "Beenden" or by the session's
// signals leaves in the settings; on a bare server and under a window manager.
class tst_Program : public QObject
{
    Q_OBJECT

    QTemporaryDir config;
    QFile file{config.filePath(u"Wertungsbrett.conf"_qs)};

    // What a tool printed, trimmed.
    static QString run(const QString &tool, const QString &arguments)
    {
        QProcess process;
        process.start(tool, arguments.split(u' '));
        process.waitForFinished(20000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    static QString xdotool(const QString &arguments) { return run(u"xdotool"_qs, arguments); }

    // The window's outer top-left corner: its client area's place on the
    // screen less the frame a window manager drew around it.
    static QPoint outerCorner(const QString &window)
    {
        const QString info = run(u"xwininfo"_qs, u"-id "_qs + window);
        const auto absolute = [&info](const QString &axis) {
            return info.section(u"Absolute upper-left "_qs + axis + u':', 1)
                .section(u'\n', 0, 0)
                .toInt();
        };
        QPoint corner(absolute(u"X"_qs), absolute(u"Y"_qs));
        // left, right, top, bottom
        const QStringList frame = run(u"xprop"_qs, u"-id %1 _NET_FRAME_EXTENTS"_qs.arg(window))
                                      .section(u'=', 1)
                                      .split(u',');
        if (frame.size() == 4)
            corner -= QPoint(frame[0].toInt(), frame[2].toInt());
        return corner;
    }

    // Starts the program with `stored` as its settings file (none if null)
    // and returns its window once it is shown.
    QString start(QProcess &program, const QByteArray &stored)
    {
        if (!stored.isNull() && file.open(QIODevice::WriteOnly)) {
            file.write(stored);
            file.close();
        }
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        // Qt's own options must not reach Qt: the program takes no command line.
        program.start(QStringLiteral(WERTUNGSBRETT_PROGRAM),
                      {u"-qwindowgeometry"_qs, u"+500+400"_qs});
        program.waitForStarted();
        const QString window =
            xdotool(u"search --sync --onlyvisible --pid %1 --name ^Wertungsbrett$"_qs.arg(
                        program.processId()))
                .section(u'\n', 0, 0);
        xdotool(u"windowfocus --sync "_qs + window);
        return window;
    }

    // Ends it with `signal`, or by File > "Beenden" once the menu is open.
    static void end(QProcess &program, int signal)
    {
        if (signal) {
            ::kill(pid_t(program.processId()), signal);
            return;
        }
        xdotool(u"key alt+d"_qs);
        const QString windows = u"search --onlyvisible --pid %1 --classname ^wertungsbrett$"_qs.arg(
            program.processId());
        QTRY_COMPARE_WITH_TIMEOUT(xdotool(windows).count(u'\n'), 1, 20000); // window and menu
        xdotool(u"key b"_qs);
    }

    QByteArray stored()
    {
        QByteArray held;
        if (file.open(QIODevice::ReadOnly))
            held = file.readAll();
        file.close();
        return held;
    }

private slots:
    void init() { file.remove(); }

    void startAndEnd_data()
    {
        QTest::addColumn<QString>("keys"); // pressed first
        QTest::addColumn<int>("signal");   // ends it; 0: File > Beenden
        // On the first start, with no settings: from the copy button, where the
        // focus starts, to the edit field, "+1 Punkt", and back to the copy button.
        QTest::newRow("first start") << u"Tab A n n a Tab space Tab Tab Tab space"_qs << 0;
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            QTest::addRow("signal %d", signal) << QString() << signal;
        QTest::newRow("signal with a box open")
            << u"ctrl+n search --sync --name ^Neues.Quiz$"_qs << int(SIGTERM);
    }
    void startAndEnd()
    {
        QFETCH(QString, keys);
        QFETCH(int, signal);
        const bool first = signal == 0;
        QProcess program;
        // Stored with decimals, so that what was written shows in the numbers' form.
        const QString window =
            start(program, first ? QByteArray() : "[Settings]\nMainLeft=1500,0\nMainTop=3000.0\n");
        QCOMPARE(outerCorner(window), first ? QPoint(67, 67) : QPoint(100, 200));
        if (!keys.isEmpty())
            xdotool(u"key --delay 100 "_qs + keys);
        if (first)
            QTRY_COMPARE(QGuiApplication::clipboard()->text(), u"/me --Punkte--  Anna 1P, "_qs);
        end(program, signal);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(stored(), first ? "[Settings]\nMainLeft=1005\nMainTop=1005\n"
                                 : "[Settings]\nMainLeft=1500\nMainTop=3000\n");
    }

    // Three runs in a row leave the outer corner where the first one put it,
    // whatever frame a window manager draws: from an empty store 1000 twips
    // from the screen's corner, or with just the title bar on the screen.
    void keepsItsPlace_data()
    {
        QTest::addColumn<bool>("managed");     // under openbox
        QTest::addColumn<int>("signal");       // ends it; 0: File > Beenden
        QTest::addColumn<QByteArray>("store"); // at the first start; null: none
        QTest::addColumn<QPoint>("corner");    // pixels
        QTest::newRow("bare server") << false << 0 << QByteArray() << QPoint(67, 67);
        QTest::newRow("openbox") << true << 0 << QByteArray() << QPoint(67, 67);
        QTest::newRow("openbox, SIGTERM") << true << int(SIGTERM) << QByteArray() << QPoint(67, 67);
        QTest::newRow("openbox, top edge")
            << true << 0 << QByteArray("[Settings]\nMainLeft=-60\nMainTop=-285\n")
            << QPoint(-4, -19);
    }
    void keepsItsPlace()
    {
        QFETCH(bool, managed);
        QFETCH(int, signal);
        QFETCH(QByteArray, store);
        QFETCH(QPoint, corner);
        QProcess windowManager;
        if (managed) {
            windowManager.start(u"openbox"_qs, {u"--sm-disable"_qs});
            QTRY_VERIFY_WITH_TIMEOUT(!run(u"wmctrl"_qs, u"-m"_qs).isEmpty(), 20000);
        }
        for (int i = 0; i < 3; ++i) {
            QProcess program;
            QCOMPARE(outerCorner(start(program, i == 0 ? store : QByteArray())), corner);
            end(program, signal);
            QVERIFY(program.waitForFinished(20000));
            QCOMPARE(stored(), u"[Settings]\nMainLeft=%1\nMainTop=%2\n"_qs.arg(corner.x() * 15)
                                   .arg(corner.y() * 15)
                                   .toUtf8());
        }
    }
};

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
