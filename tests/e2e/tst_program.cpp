#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
// xdotool: where its window opens, and what ending it by File > "Beenden"
// leaves in the user's settings file (here in a temporary folder).
class tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void startAndEnd_data();
    void startAndEnd();
};

void tst_Program::startAndEnd_data()
{
    QTest::addColumn<QByteArray>("before"); // the settings file; null: none
    QTest::addColumn<QPoint>("opens");
    QTest::addColumn<QPoint>("moveTo"); // null: the window stays
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("first start") << QByteArray() << QPoint(67, 67) << QPoint()
                                 << QByteArray("[Settings]\nMainLeft=1005\nMainTop=1005\n");
    QTest::newRow("moved") << QByteArray("[Settings]\nMainLeft=1500\nMainTop=3000\n")
                           << QPoint(100, 200) << QPoint(300, 150)
                           << QByteArray("[Settings]\nMainLeft=4500\nMainTop=2250\n");
}

void tst_Program::startAndEnd()
{
    QFETCH(QByteArray, before);
    QFETCH(QPoint, opens);
    QFETCH(QPoint, moveTo);
    QFETCH(QByteArray, after);
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
    program.start(QStringLiteral(WERTUNGSBRETT_PROGRAM), {});
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
    xdotool({u"windowfocus"_qs, u"--sync"_qs, window});
    xdotool({u"key"_qs, u"--delay"_qs, u"200"_qs, u"alt+d"_qs, u"b"_qs});

    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
}

QTEST_GUILESS_MAIN(tst_Program)
#include "tst_program.moc"
