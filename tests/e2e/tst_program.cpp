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

private slots:
    void startAndEnd_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QString>("opens");     // as xdotool reports it
        QTest::addColumn<QString>("keys");      // pressed first
        QTest::addColumn<QString>("copied");    // then on the clipboard; null: not looked at
        QTest::addColumn<int>("signal");        // ends it; 0: File > Beenden
        QTest::addColumn<QByteArray>("after");
        // From the copy button, where the focus starts: the edit field, "+1 Punkt",
        // and back to the copy button.
        QTest::newRow("first start")
            << QByteArray() << u"X=67\nY=67"_qs << u"Tab A n n a Tab space Tab Tab Tab space"_qs
            << u"/me --Punkte--  Anna 1P, "_qs << 0
            << QByteArray("[Settings]\nMainLeft=1005\nMainTop=1005\n");
        // Stored with decimals, so that what was written shows in the numbers' form.
        const QByteArray before("[Settings]\nMainLeft=1500,0\nMainTop=3000.0\n");
        const QByteArray after("[Settings]\nMainLeft=1500\nMainTop=3000\n");
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            QTest::addRow("signal %d", signal)
                << before << u"X=100\nY=200"_qs << QString() << QString() << signal << after;
        QTest::newRow("signal with a box open")
            << before << u"X=100\nY=200"_qs << u"ctrl+n search --sync --name ^Neues.Quiz$"_qs
            << QString() << int(SIGTERM) << after;
    }
    void startAndEnd()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, opens);
        QFETCH(QString, keys);
        QFETCH(QString, copied);
        QFETCH(int, signal);
        QFETCH(QByteArray, after);
        QTemporaryDir config;
        QFile file(config.filePath(u"Wertungsbrett.conf"_qs));
        QVERIFY(before.isNull() || (file.open(QIODevice::WriteOnly) && file.write(before) > 0));
        file.close();
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_qs, config.path());
        program.setProcessEnvironment(environment);
        // Qt's own options must not reach Qt: the program takes no command line.
        program.start(QStringLiteral(WERTUNGSBRETT_PROGRAM),
                      {u"-qwindowgeometry"_qs, u"+500+400"_qs});
        QVERIFY(program.waitForStarted());
        const QString window =
            xdotool({u"search"_qs, u"--sync"_qs, u"--pid"_qs, QString::number(program.processId()),
                     u"--name"_qs, u"^Wertungsbrett$"_qs})
                .section(u'\n', 0, 0);
        QVERIFY(xdotool({u"getwindowgeometry"_qs, u"--shell"_qs, window}).contains(opens));
        xdotool({u"windowfocus"_qs, u"--sync"_qs, window});
        if (!keys.isEmpty())
            xdotool(QStringList{u"key"_qs, u"--delay"_qs, u"100"_qs} + keys.split(u' '));
        if (!copied.isNull())
            QTRY_COMPARE(QGuiApplication::clipboard()->text(), copied);
        if (signal)
            ::kill(pid_t(program.processId()), signal);
        else
            xdotool({u"key"_qs, u"--delay"_qs, u"200"_qs, u"alt+d"_qs, u"b"_qs});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), after);
    }

private:
    static QString xdotool(const QStringList &arguments)
    {
        QProcess tool;
        tool.start(u"xdotool"_qs, arguments);
        tool.waitForFinished(20000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
};

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
