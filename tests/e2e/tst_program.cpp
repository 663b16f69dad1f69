#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

QString xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(u"xdotool"_qs, arguments);
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// The window's outer top-left corner as the X server has it.
QPoint position(const QString &window)
{
    QPoint corner;
    const QStringList lines =
        xdotool({u"getwindowgeometry"_qs, u"--shell"_qs, window}).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(u"X="))
            corner.setX(line.mid(2).toInt());
        else if (line.startsWith(u"Y="))
            corner.setY(line.mid(2).toInt());
    }
    return corner;
}

} // namespace

// The program as the user starts it, on a real X server and driven with
// xdotool: where its window opens, and what ending it by File > "Beenden" or
// by the session's signals leaves in the user's settings file (here in a
// temporary folder).
class tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void startAndEnd_data();
    void startAndEnd();
    void noDisplay_data();
    void noDisplay();
};

void tst_Program::startAndEnd_data()
{
    QTest::addColumn<QByteArray>("before"); // the settings file; null: none
    QTest::addColumn<QPoint>("opens");
    QTest::addColumn<QPoint>("moveTo"); // null: the window stays
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("keys"); // pressed before the signal; xdotool may go on
    QTest::addColumn<int>("signal");   // 0: the keys end it
    const QByteArray stored("[Settings]\nMainLeft=1500\nMainTop=3000\n");
    const QString exit = u"alt+d b"_qs;
    QTest::newRow("first start") << QByteArray() << QPoint(67, 67) << QPoint()
                                 << QByteArray("[Settings]\nMainLeft=1005\nMainTop=1005\n") << exit
                                 << 0;
    QTest::newRow("moved") << stored << QPoint(100, 200) << QPoint(300, 150)
                           << QByteArray("[Settings]\nMainLeft=4500\nMainTop=2250\n") << exit << 0;
    // Not moved, so that no signal overtakes the move; what was written shows
    // in the numbers' form.
    const QByteArray decimals("[Settings]\nMainLeft=1500,0\nMainTop=3000.0\n");
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        QTest::addRow("signal %d", signal)
            << decimals << QPoint(100, 200) << QPoint() << stored << QString() << signal;
    }
    QTest::newRow("signal with a box open")
        << decimals << QPoint(100, 200) << QPoint() << stored
        << u"ctrl+n search --sync --name ^Neues.Quiz$"_qs << SIGTERM;
}

void tst_Program::startAndEnd()
{
    QFETCH(QByteArray, before);
    QFETCH(QPoint, opens);
    QFETCH(QPoint, moveTo);
    QFETCH(QByteArray, after);
    QFETCH(QString, keys);
    QFETCH(int, signal);
    QTemporaryDir config;
    QFile file(config.filePath(u"Wertungsbrett.conf"_qs));
    if (!before.isNull()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
        file.close();
    }

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_qs, config.path());
    program.setProcessEnvironment(environment);
    // Qt's own options must not reach Qt: the program takes no command line.
    program.start(QStringLiteral(WERTUNGSBRETT_PROGRAM),
                  {u"-qwindowgeometry"_qs, u"+500+400"_qs, u"-reverse"_qs});
    QVERIFY(program.waitForStarted());
    const QString window =
        xdotool({u"search"_qs, u"--sync"_qs, u"--pid"_qs, QString::number(program.processId()),
                 u"--name"_qs, u"^Wertungsbrett$"_qs})
            .section(u'\n', 0, 0);
    QVERIFY(!window.isEmpty());
    QCOMPARE(position(window), opens);

    if (!moveTo.isNull()) {
        xdotool({u"windowmove"_qs, u"--sync"_qs, window, QString::number(moveTo.x()),
                 QString::number(moveTo.y())});
    }
    if (!keys.isEmpty()) {
        xdotool({u"windowfocus"_qs, u"--sync"_qs, window});
        xdotool(QStringList{u"key"_qs, u"--delay"_qs, u"200"_qs} + keys.split(u' '));
    }
    if (signal)
        ::kill(pid_t(program.processId()), signal);

    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
}

void tst_Program::noDisplay_data()
{
    QTest::addColumn<QString>("display"); // null: none set
    QTest::newRow("no server") << u":4711"_qs;
    QTest::newRow("none set") << QString();
}

// Without a display the program says so in one German line and ends with
// exit code 1 instead of Qt's abort.
void tst_Program::noDisplay()
{
    QFETCH(QString, display);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_qs, u"WAYLAND_DISPLAY"_qs, u"QT_QPA_PLATFORM"_qs})
        environment.remove(name);
    if (!display.isNull())
        environment.insert(u"DISPLAY"_qs, display);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(WERTUNGSBRETT_PROGRAM), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString told = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(told.startsWith(u"Keine grafische Anzeige gefunden (") && told.count(u'\n') == 1,
             qPrintable(told));
}

QTEST_GUILESS_MAIN(tst_Program)
#include "tst_program.moc"
