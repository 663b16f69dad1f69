#include <QtGui>
#include <QtTest>

#include <csignal>

class tst_Program : public QObject
{
    Q_OBJECT

    static inline const QString Program = QStringLiteral(WERTUNGSBRETT_PROGRAM);
    static inline const QString Installer = QStringLiteral(WERTUNGSBRETT_INSTALLER);
    static inline const QString WindowsFolder = u"C:\\Program Files\\Wertungsbrett\\"_qs;
    static inline const QString Settings = u"HKCU\\Software\\Wertungsbrett\\Settings"_qs;
    QTemporaryDir wine; // the Wine prefix, made at Wine's first start

    static QString run(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput()).remove(u'\r').trimmed();
    }
    static QString run(const QString &tool, const QString &arguments)
    {
        return run(tool, arguments.split(u' '));
    }
    static QString xdotool(const QString &arguments) { return run(u"xdotool"_qs, arguments); }
    static bool write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

    static QString
    startProgram(QProcess &program, const QStringList &command = {Program},
                 const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        program.setProcessEnvironment(environment);
        program.start(command.first(), command.mid(1));
        const QString search = u"search --sync --onlyvisible --pid %1 --name ^Wertungsbrett$"_qs;
        return xdotool(search.arg(program.processId())).section(u'\n', 0, 0);
    }
    static void startOpenbox(QProcess &windowManager)
    {
        windowManager.start(u"openbox"_qs, {u"--sm-disable"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(!run(u"wmctrl"_qs, u"-m"_qs).isEmpty(), 20000);
    }

    static int windowsOf(const QString &pid)
    {
        const QString search = u"search --onlyvisible --pid %1 --classname ^wertungsbrett"_qs;
        return int(xdotool(search.arg(pid)).split(u'\n', Qt::SkipEmptyParts).size());
    }

    // Presses "System Info..." in Hilfe > Info by the keys; `about`: its window.
    static void pressSystemInfo(const QString &window, const QString &pid, QString &about)
    {
        xdotool(u"windowactivate --sync %1 key alt+h"_qs.arg(window));
        QTRY_COMPARE_WITH_TIMEOUT(windowsOf(pid), 2, 20000);
        xdotool(u"key f"_qs);
        about = xdotool(
            u"search --sync --all --onlyvisible --pid %1 --name ^About.Wertungsbrett$"_qs.arg(pid));
        xdotool(u"windowactivate --sync %1 key alt+s"_qs.arg(about));
    }

    // With `tool` empty the failure box, answered; else that tool's window, then ended.
    static void answerSystemInfo(const QString &pid, const QString &tool)
    {
        if (tool.isEmpty()) {
            QTRY_COMPARE_WITH_TIMEOUT(windowsOf(pid), 3, 20000);
            xdotool(u"key Return"_qs);
            return;
        }
        const QString toolWindow = u"search --onlyvisible --classname ^%1$"_qs.arg(tool);
        QTRY_VERIFY_WITH_TIMEOUT(!xdotool(toolWindow).isEmpty(), 20000);
        run(u"pkill"_qs, u"-x "_qs + tool);
    }

    // From the copy button to the field, holding n; "+1 Punkt" pressed, held with Space, Return.
    static inline const QString Anna =
        u"Tab A keydown n sleep 0.8 keyup n key --delay 100 a Tab space keydown space sleep 1 "
        u"keyup space keydown Return sleep 1 keyup Return key --delay 100 Tab Tab Tab space"_qs;

    static QPoint outerCorner(const QString &window)
    {
        const QString info = run(u"xwininfo"_qs, u"-id "_qs + window);
        const QString extents = run(u"xprop"_qs, u"-id %1 _NET_FRAME_EXTENTS"_qs.arg(window));
        const QStringList frame = extents.section(u'=', 1).split(u',');
        const auto at = [&info](const QString &axis) {
            return info.section(u"Absolute upper-left "_qs + axis, 1).section(u'\n', 0, 0).toInt();
        };
        return {at(u"X:"_qs) - frame.value(0).toInt(), at(u"Y:"_qs) - frame.value(2).toInt()};
    }

private slots:
    void initTestCase()
    {
        qputenv("WINEPREFIX", QFile::encodeName(wine.path())); // for the Windows program
        qputenv("WINEDEBUG", "-all");
        qputenv("WINEDLLOVERRIDES", "mscoree,mshtml="); // no Mono or Gecko to install
    }
    void cleanupTestCase() { run(u"wineserver"_qs, u"-k"_qs); }

    void startAndEnd_data()
    {
        QTest::addColumn<bool>("managed");      // under openbox
        QTest::addColumn<QString>("launcher");  // nohup, which is sent SIGHUP first; empty: none
        QTest::addColumn<QString>("keys");      // pressed first
        QTest::addColumn<QList<int>>("ending"); // signals that end it; none: File > Beenden
        QTest::addColumn<QByteArray>("store");  // before the first start; null: none
        QTest::newRow("first start") << false << QString() << Anna << QList<int>() << QByteArray();
        QTest::newRow("openbox") << true << QString() << Anna << QList<int>() << QByteArray();
        const QByteArray decimals("[Settings]\nMainLeft=1500,0\nMainTop=3000.0\n");
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            QTest::addRow("signal %d", signal)
                << false << QString() << QString() << QList<int>{signal} << decimals;
        QTest::newRow("signal with a box open")
            << false << QString() << u"ctrl+n search --sync --name ^Neues.Quiz$"_qs
            << QList<int>{SIGTERM} << decimals;
        QTest::newRow("nohup") << false << u"nohup"_qs << Anna << QList<int>{SIGTERM} << decimals;
    }
    // Without a store, three starts keep the outer corner, framed or not; with one, it is used.
    void startAndEnd()
    {
        QFETCH(bool, managed);
        QFETCH(QString, launcher);
        QFETCH(QString, keys);
        QFETCH(QList<int>, ending);
        QFETCH(QByteArray, store);
        const QPoint corner = store.isNull() ? QPoint(67, 67) : QPoint(100, 200); // in pixels
        const QString stored = u"[Settings]\nMainLeft=%1\nMainTop=%2\n"_qs;       // in twips
        QTemporaryDir config;
        QProcess windowManager;
        if (managed)
            startOpenbox(windowManager);
        QFile file(config.filePath(u"Wertungsbrett.conf"_qs));
        if (!store.isNull())
            QVERIFY(write(file.fileName(), store));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        run(u"xset"_qs, u"r rate 500 33"_qs); // a desktop's key repeat, as GNOME sets it
        for (int start = 0; start < (store.isNull() ? 3 : 1); ++start) {
            QProcess program;
            // Qt's own options must not reach Qt: the program takes no command line.
            QStringList command{Program, u"-qwindowgeometry"_qs, u"+500+400"_qs};
            if (!launcher.isEmpty())
                command.prepend(launcher);
            const QString window = startProgram(program, command);
            const QString pid = QString::number(program.processId());
            if (!launcher.isEmpty()) // its terminal closed: the quiz goes on
                ::kill(pid_t(program.processId()), SIGHUP);
            QCOMPARE(outerCorner(window), corner);
            xdotool(u"windowfocus --sync "_qs + window);
            if (start == 0 && !keys.isEmpty())
                xdotool(u"key --delay 100 "_qs + keys);
            // A point per press of "+1 Punkt", held or not; the held n repeated.
            if (start == 0 && keys == Anna)
                QTRY_COMPARE(QGuiApplication::clipboard()->text().replace(
                                 QRegularExpression(u"n{3,}"_qs), u"nnn"_qs),
                             u"/me --Punkte--  Annna 3P, "_qs);
            for (const int signal : ending)
                ::kill(pid_t(program.processId()), signal);
            if (ending.isEmpty()) { // once the menu is open beside the window
                xdotool(u"key alt+d"_qs);
                QTRY_COMPARE_WITH_TIMEOUT(windowsOf(pid), 2, 20000);
                xdotool(u"key b"_qs);
            }
            QVERIFY(program.waitForFinished(20000));
            QCOMPARE(program.exitCode(), 0);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), stored.arg(corner.x() * 15).arg(corner.y() * 15).toUtf8());
            file.close();
        }
    }

    void systemInfo_data()
    {
        QTest::addColumn<QByteArray>("desktop");  // XDG_CURRENT_DESKTOP; null: none
        QTest::addColumn<QStringList>("entries"); // stand-ins: "home/ID" or "system/ID", own lines
        QTest::addColumn<QString>("started");     // what the stand-in noted; empty: the box
        const auto row = [](const char *name, const char *desktop, const QStringList &entries,
                            const QString &started) {
            QTest::newRow(name) << QByteArray(desktop) << entries << started;
        };
        const QString kde = u"system/org.kde.kinfocenter.desktop"_qs;
        row("KDE", "KDE", {u"system/hardinfo.desktop"_qs, u"home/org.kde.kinfocenter.desktop"_qs},
            u"org.kde.kinfocenter.desktop"_qs);
        row("GNOME, not in menus", "ubuntu:GNOME",
            {kde, u"system/gnome-info-overview-panel.desktop\nNoDisplay=true"_qs},
            u"gnome-info-overview-panel.desktop"_qs);
        row("MATE", "MATE", {u"system/mate-system-monitor.desktop"_qs},
            u"mate-system-monitor.desktop --show-system-tab"_qs);
        row("no desktop", nullptr, {kde, u"system/cpu-x.desktop"_qs}, u"cpu-x.desktop"_qs);
        // Each of them left alone for another reason.
        row("none usable", "KDE",
            {kde, u"home/org.kde.kinfocenter.desktop\nHidden=true"_qs,
             u"system/hardinfo.desktop\nTryExec=wertungsbrett-fehlt"_qs,
             u"system/cpu-x.desktop\nOnlyShowIn=GNOME;"_qs},
            QString());
        row("nothing installed", "KDE", {}, QString());
    }
    // "System Info..." starts the desktop's tool from its entry, or says there is none.
    void systemInfo()
    {
        QFETCH(QByteArray, desktop);
        QFETCH(QStringList, entries);
        QFETCH(QString, started);
        QProcess windowManager;
        startOpenbox(windowManager);
        const QTemporaryDir dir;
        // A stand-in notes its arguments, and which of the start's tokens it was given.
        const QString tool = dir.filePath(u"tool"_qs);
        QVERIFY(write(tool, "#!/bin/sh\necho \"$*\" ${DESKTOP_STARTUP_ID+id} "
                            "${XDG_ACTIVATION_TOKEN+token} >$0.noted\n"));
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner));
        for (const QString &entry : entries) {
            const QString folder = dir.filePath(entry.section(u'/', 0, 0) + u"/applications"_qs);
            const QString id = entry.section(u'/', 1).section(u'\n', 0, 0);
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(write(folder + u'/' + id,
                          u"[Desktop Entry]\nType=Application\nName=Stand-in\nExec=%1 %2\n%3\n"_qs
                              .arg(tool, id, entry.section(u'\n', 1))
                              .toUtf8()));
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_qs, dir.path());
        environment.insert(u"XDG_DATA_HOME"_qs, dir.filePath(u"home"_qs));
        environment.insert(u"XDG_DATA_DIRS"_qs, dir.filePath(u"system"_qs));
        environment.remove(u"XDG_CURRENT_DESKTOP"_qs);
        if (!desktop.isNull())
            environment.insert(u"XDG_CURRENT_DESKTOP"_qs, QString::fromLatin1(desktop));
        // They tell of the program's own start, not of the tool's.
        environment.insert(u"DESKTOP_STARTUP_ID"_qs, u"wertungsbrett"_qs);
        environment.insert(u"XDG_ACTIVATION_TOKEN"_qs, u"wertungsbrett"_qs);
        QProcess program;
        const QString window = startProgram(program, {Program}, environment);
        const QString pid = QString::number(program.processId());
        QString about;
        pressSystemInfo(window, pid, about);
        if (started.isEmpty()) {
            answerSystemInfo(pid, started);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(run(u"cat"_qs, tool + u".noted"_qs), started, 20000);
        }
        xdotool(u"windowactivate --sync %1 key Escape"_qs.arg(about));
        QTRY_COMPARE(windowsOf(pid), 1);
        program.kill();
        program.waitForFinished();
    }

    void windows_data()
    {
        QTest::addColumn<QStringList>("registry"); // "key|value|type|data" each, before the start
        QTest::addColumn<QString>("keys");         // pressed first
        QTest::addColumn<bool>("started");         // System Info started Wine's tool; else the box
        QTest::addColumn<bool>("session");         // ended with the session; else File > Beenden
        QTest::addColumn<QString>("stored");       // MainLeft and MainTop after the end
        // Anna: "+1 Punkt" held, pressed, "-1 Punkt"; Bernd: a point, "Löschen"; copy.
        const QString keys =
            u"Tab A n n a Tab keydown Return sleep 1 keyup Return key --delay 100 space Tab space "
            u"shift+Tab shift+Tab ctrl+a B e r n d Tab space Tab Tab space Tab space"_qs;
        const QString left = Settings + u"|MainLeft|"_qs, top = Settings + u"|MainTop|"_qs;
        const QString path = u"HKLM\\Software\\Microsoft\\Shared Tools\\MSInfo|PATH|"_qs;
        const QString folder = u"HKLM\\Software\\Microsoft\\Shared Tools Location|MSINFO|REG_SZ|"
                               u"C:\\windows\\system32"_qs; // Wine's own msinfo32.exe
        QTest::newRow("first start, the tool's path too long: its folder")
            << QStringList{path + u"REG_SZ|"_qs + QString(1100, u'x'), folder} << keys << true
            << false << u"1005 1005"_qs;
        QTest::newRow("stored, the tool's path")
            << QStringList{left + u"REG_SZ|1500"_qs, top + u"REG_SZ|3000"_qs,
                           path + u"REG_SZ|C:\\windows\\system32\\msinfo32.exe"_qs}
            << QString() << true << false << u"1500 3000"_qs;
        QTest::newRow("damaged, a path without its end, the session ends")
            << QStringList{left + u"REG_BINARY|31"_qs, top + u"REG_BINARY|32"_qs,
                           path + u"REG_BINARY|"_qs + u"41"_qs.repeated(1024), folder}
            << QString() << false << true << u"1005 1005"_qs;
    }
    void windows()
    {
        QFETCH(QStringList, registry);
        QFETCH(QString, keys);
        QFETCH(bool, started);
        QFETCH(bool, session);
        QFETCH(QString, stored);
        if (!QFile::exists(Installer))
            QSKIP("no installer: make windows");
        const auto reg = [](const QStringList &arguments) {
            return run(u"wine"_qs, QStringList{u"reg"_qs} + arguments);
        };
        QProcess windowManager;
        startOpenbox(windowManager);
        if (!QFile::exists(
                wine.filePath(u"drive_c/Program Files/Wertungsbrett/wertungsbrett.exe"_qs))) {
            run(u"wine"_qs, QStringList{Installer, u"/S"_qs});
            // Wine's X input method loses typed letters on a new X server.
            reg({u"add"_qs, u"HKCU\\Software\\Wine\\X11 Driver"_qs, u"/v"_qs, u"UseXIM"_qs,
                 u"/d"_qs, u"N"_qs, u"/f"_qs});
        }
        run(u"xset"_qs, u"r rate 500 33"_qs);
        for (const QString &entry : registry)
            reg({u"delete"_qs, entry.section(u'|', 0, 0), u"/f"_qs});
        for (const QString &entry : registry) {
            const QStringList part = entry.split(u'|');
            reg({u"add"_qs, part[0], u"/v"_qs, part[1], u"/t"_qs, part[2], u"/d"_qs, part[3],
                 u"/f"_qs});
        }
        QProcess program;
        const QString window =
            startProgram(program, {u"wine"_qs, WindowsFolder + u"wertungsbrett.exe"_qs});
        const QString pid = QString::number(program.processId());
        xdotool(u"windowactivate --sync "_qs + window);
        if (!keys.isEmpty()) {
            xdotool(u"key --delay 100 "_qs + keys);
            QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(),
                                      u"/me --Punkte--  Anna 1P, "_qs, 20000);
        }
        QString about;
        pressSystemInfo(window, pid, about);
        answerSystemInfo(pid, started ? u"msinfo32.exe"_qs : QString());
        xdotool(u"windowactivate --sync %1 key Escape"_qs.arg(about));
        QTRY_COMPARE(windowsOf(pid), 1);
        if (session) {
            run(u"wine"_qs, u"wineboot --end-session"_qs);
        } else {
            for (int tries = 0; tries < 5 && windowsOf(pid) < 2; ++tries) // Wine may be slow to
                xdotool(
                    u"windowactivate --sync %1 key alt+d sleep 2"_qs.arg(window)); // hand back keys
            xdotool(u"key b"_qs);
        }
        QVERIFY(program.waitForFinished(20000));
        const QRegularExpression value(u"Main(Left|Top) +REG_SZ +(\\S+)"_qs);
        QStringList found;
        for (auto match = value.globalMatch(reg({u"query"_qs, Settings})); match.hasNext();)
            found << match.next().captured(2);
        QCOMPARE(found.join(u' '), stored);
    }

    void uninstall()
    {
        const QString program =
            wine.filePath(u"drive_c/Program Files/Wertungsbrett/wertungsbrett.exe"_qs);
        if (!QFile::exists(program))
            QSKIP("not installed");
        run(u"wine"_qs, QStringList{WindowsFolder + u"Uninstall.exe"_qs, u"/S"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(program), 20000);
        QVERIFY(!QFile::exists(wine.filePath(
            u"drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Wertungsbrett.lnk"_qs)));
        const QString entry =
            u"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Wertungsbrett"_qs;
        QCOMPARE(QProcess::execute(u"wine"_qs, {u"reg"_qs, u"query"_qs, entry}), 1);
    }
};

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
