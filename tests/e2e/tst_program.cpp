#include <QtGui>
#include <QtTest>

#include <csignal>

// The program as the user starts it, on a real X server driven by xdotool,
// with its settings in a temporary folder: where it opens, what it puts on the
// real clipboard after held keys, and what ending it by File > "Beenden" or by
// the session's signals leaves in the settings, on a bare server and under a
// window manager.
class tst_Program : public QObject
{
    Q_OBJECT

    // What a tool printed, trimmed.
    static QString run(const QString &tool, const QString &arguments)
    {
        QProcess process;
        process.start(tool, arguments.split(u' '));
        process.waitForFinished(20000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    static QString xdotool(const QString &arguments) { return run(u"xdotool"_qs, arguments); }

    // With no settings: from the copy button, where the focus starts, to the
    // edit field, holding n, to "+1 Punkt", pressed, then held with Space and
    // with Return for a desktop's repeat, and back to the copy button.
    static inline const QString Anna =
        u"Tab A keydown n sleep 1 keyup n key --delay 100 a Tab space keydown space sleep 2 "
        u"keyup space keydown Return sleep 2 keyup Return key --delay 100 Tab Tab Tab space"_qs;

    // The window's outer corner: its client area's place on the screen less
    // the frame (left, right, top, bottom) a window manager drew around it.
    static QPoint outerCorner(const QString &window)
    {
        const QString info = run(u"xwininfo"_qs, u"-id "_qs + window);
        const QStringList frame = run(u"xprop"_qs, u"-id %1 _NET_FRAME_EXTENTS"_qs.arg(window))
                                      .section(u'=', 1)
                                      .split(u',');
        const auto at = [&info](const QString &axis) {
            return info.section(u"Absolute upper-left "_qs + axis, 1).section(u'\n', 0, 0).toInt();
        };
        return {at(u"X:"_qs) - frame.value(0).toInt(), at(u"Y:"_qs) - frame.value(2).toInt()};
    }

    // Whether, in the column at `x`, the first run of white taller than 40
    // pixels (the list's rows) ends in a line rather than the background.
    static bool listFramed(const QImage &shot, int x)
    {
        int white = 0;
        for (int y = 0; y < shot.height(); ++y) {
            if (shot.pixelColor(x, y) == Qt::white) {
                ++white;
                continue;
            }
            if (white > 40)
                return shot.pixelColor(x, y) != shot.pixelColor(1, y);
            white = 0;
        }
        return false;
    }

    // The font files a process has opened.
    static QStringList fontsOpened(const QString &pid)
    {
        QFile maps(u"/proc/%1/maps"_qs.arg(pid));
        QStringList fonts;
        if (maps.open(QIODevice::ReadOnly)) {
            const QRegularExpression font(u"[^/]+\\.[ot]tf$"_qs);
            for (const QString &line : QString::fromUtf8(maps.readAll()).split(u'\n'))
                fonts << font.match(line).captured();
        }
        fonts.removeAll(QString());
        fonts.removeDuplicates();
        return fonts;
    }

private slots:
    void startAndEnd_data()
    {
        QTest::addColumn<bool>("managed");     // under openbox
        QTest::addColumn<QString>("keys");     // pressed first
        QTest::addColumn<int>("signal");       // ends it; 0: File > Beenden
        QTest::addColumn<QByteArray>("store"); // before the first start; null: none
        QTest::addColumn<QPoint>("corner");    // where every start opens, in pixels
        QTest::newRow("first start") << false << Anna << 0 << QByteArray() << QPoint(67, 67);
        QTest::newRow("openbox") << true << Anna << 0 << QByteArray() << QPoint(67, 67);
        // Stored with decimals, so that what was written shows in the numbers' form.
        const QByteArray decimals("[Settings]\nMainLeft=1500,0\nMainTop=3000.0\n");
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            QTest::addRow("signal %d", signal)
                << false << QString() << signal << decimals << QPoint(100, 200);
        QTest::newRow("signal with a box open")
            << false << u"ctrl+n search --sync --name ^Neues.Quiz$"_qs << int(SIGTERM) << decimals
            << QPoint(100, 200);
        QTest::newRow("openbox, SIGTERM")
            << true << QString() << int(SIGTERM) << decimals << QPoint(100, 200);
    }
    // Three starts in a row: the outer corner stays, whatever frame is drawn.
    void startAndEnd()
    {
        QFETCH(bool, managed);
        QFETCH(QString, keys);
        QFETCH(int, signal);
        QFETCH(QByteArray, store);
        QFETCH(QPoint, corner);
        QProcess windowManager;
        if (managed) {
            windowManager.start(u"openbox"_qs, {u"--sm-disable"_qs});
            QTRY_VERIFY_WITH_TIMEOUT(!run(u"wmctrl"_qs, u"-m"_qs).isEmpty(), 20000);
        }
        QTemporaryDir config;
        QFile file(config.filePath(u"Wertungsbrett.conf"_qs));
        if (!store.isNull()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(store), store.size());
            file.close();
        }
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        run(u"xset"_qs, u"r rate 500 33"_qs); // a desktop's key repeat, as GNOME sets it
        for (int start = 0; start < 3; ++start) {
            QProcess program;
            // Qt's own options must not reach Qt: the program takes no command line.
            program.start(QStringLiteral(WERTUNGSBRETT_PROGRAM),
                          {u"-qwindowgeometry"_qs, u"+500+400"_qs});
            QVERIFY(program.waitForStarted());
            const QString pid = QString::number(program.processId());
            const QString window =
                xdotool(u"search --sync --onlyvisible --pid %1 --name ^Wertungsbrett$"_qs.arg(pid))
                    .section(u'\n', 0, 0);
            QCOMPARE(outerCorner(window), corner);
            // Its menus too draw with the program's font, Arial's metric twin.
            QTRY_COMPARE(fontsOpened(pid), QStringList{u"LiberationSans-Regular.ttf"_qs});
            xdotool(u"windowfocus --sync "_qs + window);
            if (!keys.isEmpty())
                xdotool(u"key --delay 100 "_qs + keys);
            // A point for each press of "+1 Punkt", held or not; the held n
            // repeated (a run of three or more is shown as three).
            if (keys == Anna)
                QTRY_COMPARE(QGuiApplication::clipboard()->text().replace(
                                 QRegularExpression(u"n{3,}"_qs), u"nnn"_qs),
                             u"/me --Punkte--  Annna 3P, "_qs);
            if (signal) {
                ::kill(pid_t(program.processId()), signal);
            } else { // once the menu is open beside the window
                xdotool(u"key alt+d"_qs);
                const QString both =
                    u"search --onlyvisible --pid %1 --classname ^wertungsbrett$"_qs;
                QTRY_COMPARE_WITH_TIMEOUT(xdotool(both.arg(pid)).count(u'\n'), 1, 20000);
                xdotool(u"key b"_qs);
            }
            QVERIFY(program.waitForFinished(20000));
            QCOMPARE(program.exitCode(), 0);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(),
                     u"[Settings]\nMainLeft=%1\nMainTop=%2\n"_qs.arg(corner.x() * 15)
                         .arg(corner.y() * 15)
                         .toUtf8());
            file.close();
        }
    }

    void scaled_data()
    {
        QTest::addColumn<QByteArray>("scale");
        QTest::newRow("125 %") << QByteArray("1.25");
        QTest::newRow("150 %") << QByteArray("1.5");
        QTest::newRow("200 %") << QByteArray("2");
    }
    // On a scaled screen the list keeps the bottom line of its frame: below
    // the white of its rows, a line, not the window's background.
    void scaled()
    {
        QFETCH(QByteArray, scale);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_SCALE_FACTOR"_qs, QString::fromLatin1(scale));
        const QTemporaryDir config;
        environment.insert(u"XDG_CONFIG_HOME"_qs, config.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(WERTUNGSBRETT_PROGRAM), {});
        const QString window =
            xdotool(u"search --sync --onlyvisible --pid %1 --name ^Wertungsbrett$"_qs.arg(
                        program.processId()))
                .section(u'\n', 0, 0);
        const int x = int(124 * scale.toDouble()); // the middle of the list
        QTRY_VERIFY(listFramed(
            QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage(), x));
        program.kill();
        program.waitForFinished();
    }
};

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
