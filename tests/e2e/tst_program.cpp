#include <QtGui>
#include <QtTest>

#include <csignal>

// The program as the user starts it, on a real X server driven by xdotool,
// with its settings in a temporary folder: where it opens, what it puts on the
// real clipboard, and what ending it by File > "Beenden" or by the session's
// signals leaves in the settings.
class tst_Program : public QObject
{
    Q_OBJECT

    static QString xdotool(const QString &arguments)
    {
        QProcess tool;
        tool.start(u"xdotool"_qs, arguments.split(u' '));
        tool.waitForFinished(20000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

private slots:
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
        QTemporaryDir config;
        QFile file(config.filePath(u"Wertungsbrett.conf"_qs));
        // Stored with decimals, so that what was written shows in the numbers' form.
        QVERIFY(first || (file.open(QIODevice::WriteOnly) &&
                          file.write("[Settings]\nMainLeft=1500,0\nMainTop=3000.0\n") > 0));
        file.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QProcess program;
        // Qt's own options must not reach Qt: the program takes no command line.
        program.start(QStringLiteral(WERTUNGSBRETT_PROGRAM),
                      {u"-qwindowgeometry"_qs, u"+500+400"_qs});
        QVERIFY(program.waitForStarted());
        const QString window =
            xdotool(u"search --sync --pid %1 --name ^Wertungsbrett$"_qs.arg(program.processId()))
                .section(u'\n', 0, 0);
        QVERIFY(xdotool(u"getwindowgeometry --shell "_qs + window)
                    .contains(first ? u"X=67\nY=67"_qs : u"X=100\nY=200"_qs));
        xdotool(u"windowfocus --sync "_qs + window);
        if (!keys.isEmpty())
            xdotool(u"key --delay 100 "_qs + keys);
        if (first)
            QTRY_COMPARE(QGuiApplication::clipboard()->text(), u"/me --Punkte--  Anna 1P, "_qs);
        if (signal)
            ::kill(pid_t(program.processId()), signal);
        else
            xdotool(u"key --delay 200 alt+d b"_qs);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first ? "[Settings]\nMainLeft=1005\nMainTop=1005\n"
                                       : "[Settings]\nMainLeft=1500\nMainTop=3000\n");
    }
};

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
