#include "about/frmabout.h"
#include "about/sysinfo.h"

#include "fakes.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
const QString ReadTool = u"read SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"_qs;
const QString ReadFolder = u"read SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO"_qs;
const QString Tool = u"C:\\Tools\\MSINFO32.EXE"_qs;
constexpr std::uint32_t Sz = about::RegSz, ExpandSz = 2, Dword = about::RegDword;

services::ValueRead text(const std::string &bytes, std::uint32_t type = Sz)
{
    return FakeSystem::value(type, bytes);
}
const services::ValueRead Missing = FakeSystem::failed(2);
const services::ValueRead Full = text(std::string(services::ValueBufferSize, 'A'));

} // namespace

Q_DECLARE_METATYPE(services::ValueRead)

class tst_About : public QObject
{
    Q_OBJECT

private slots:
    void getKeyValue_data();
    void getKeyValue();
    void startSysInfo_data();
    void startSysInfo();
    void window_data();
    void window();
};

void tst_About::getKeyValue_data()
{
    QTest::addColumn<services::ValueRead>("stored");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("keyVal"); // the caller passed "vorher"
    QTest::newRow("string") << text("C:\\a.exe") << true << QByteArray("C:\\a.exe");
    QTest::newRow("ends at the first zero")
        << text(std::string("C:\\a\0C:\\b", 9)) << true << QByteArray("C:\\a");
    QTest::newRow("1023 bytes and a zero")
        << text(std::string(1023, 'x')) << true << QByteArray(1023, 'x');
    QTest::newRow("dword") << text(std::string("\x78\x56\x34\x12", 4), Dword) << true
                           << QByteArray("305419896");
    QTest::newRow("dword with zero bytes")
        << text(std::string("\0\1\0\0", 4), Dword) << true << QByteArray("256");
    QTest::newRow("other type keeps the caller's text")
        << text("%SystemRoot%", ExpandSz) << true << QByteArray("vorher");
    QTest::newRow("access refused") << FakeSystem::failed(5) << false << QByteArray();
}

void tst_About::getKeyValue()
{
    QFETCH(services::ValueRead, stored);
    QFETCH(bool, found);
    QFETCH(QByteArray, keyVal);
    FakeSystem system;
    system.values[ToolKey] = stored;
    std::string value = "vorher";
    QCOMPARE(about::GetKeyValue(system, services::LocalMachine,
                                "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value),
             found);
    QCOMPARE(QByteArray::fromStdString(value), keyVal);
}

void tst_About::startSysInfo_data()
{
    QTest::addColumn<services::ValueRead>("tool");   // PATH
    QTest::addColumn<services::ValueRead>("folder"); // MSINFO
    QTest::addColumn<QString>("failing");            // a service that throws
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("started");
    const QStringList viaFolder{ReadTool, ReadFolder, "search " + Tool, "start " + Tool};
    QTest::newRow("own path") << text(Tool.toStdString()) << Missing << QString()
                              << QStringList{ReadTool, "start " + Tool} << true;
    QTest::newRow("own path missing: no second lookup")
        << text("C:\\Weg.exe") << text("C:\\Tools") << QString()
        << QStringList{ReadTool, u"start C:\\Weg.exe"_qs} << false;
    QTest::newRow("own path of another type starts nothing")
        << text(Tool.toStdString(), ExpandSz) << Missing << QString()
        << QStringList{ReadTool, u"start "_qs} << false;
    QTest::newRow("own path fills the buffer")
        << Full << text("C:\\Tools") << QString() << QStringList{ReadTool} << false;
    QTest::newRow("folder") << Missing << text("C:\\Tools") << QString() << viaFolder << true;
    QTest::newRow("folder with a backslash")
        << Missing << text("C:\\Tools\\") << QString()
        << QStringList{ReadTool, ReadFolder, u"search C:\\Tools\\\\MSINFO32.EXE"_qs} << false;
    QTest::newRow("folder without the tool")
        << Missing << text("C:\\Leer") << QString()
        << QStringList{ReadTool, ReadFolder, u"search C:\\Leer\\MSINFO32.EXE"_qs} << false;
    QTest::newRow("folder fills the buffer")
        << Missing << Full << QString() << QStringList{ReadTool, ReadFolder} << false;
    QTest::newRow("neither") << Missing << Missing << QString() << QStringList{ReadTool, ReadFolder}
                             << false;
    QTest::newRow("search fails") << Missing << text("C:\\Tools") << u"search"_qs
                                  << viaFolder.mid(0, 3) << false;
    QTest::newRow("start fails") << Missing << text("C:\\Tools") << u"start"_qs << viaFolder
                                 << false;
}

// Every row of the launcher's failure table, over stand-ins.
void tst_About::startSysInfo()
{
    QFETCH(services::ValueRead, tool);
    QFETCH(services::ValueRead, folder);
    QFETCH(QString, failing);
    QFETCH(QStringList, calls);
    QFETCH(bool, started);
    FakeSystem system;
    system.values[ToolKey] = tool;
    system.values[FolderKey] = folder;
    system.files = {Tool.toStdString()};
    system.failing = failing.toStdString();
    QCOMPARE(about::StartSysInfo(system), started);
    QCOMPARE(system.calls, calls);
}

void tst_About::window_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Enter on OK") << u"cmdOK"_qs << int(Qt::Key_Return) << true;
    QTest::newRow("Esc") << u"cmdSysInfo"_qs << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter on System Info") << u"cmdSysInfo"_qs << int(Qt::Key_Return) << false;
}

// The texts are set afresh at each opening; Enter and Esc act as on any
// dialog, and the failure message leaves the window open.
void tst_About::window()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, closes);
    QApplication::setApplicationDisplayName(u"Quiz"_qs);
    FakeServices fx;
    QWidget owner;
    owner.show();
    about::frmAbout window(fx.all(), &owner);
    QStringList texts;
    bool open = true;
    for (int opening = 0; opening < 2; ++opening) {
        QTimer::singleShot(0, &window, [&] {
            for (const char *name : {"lblTitle", "lblVersion", "lblDescription"})
                texts << window.findChild<QLabel *>(QLatin1String(name))->text();
            QWidget *focused = window.findChild<QWidget *>(focus);
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key(key));
            open = window.isVisible();
            window.close();
        });
        window.showModal();
    }
    QCOMPARE(texts.mid(0, 2), (QStringList{u"Quiz"_qs, u"Version 1.0.3"_qs}));
    QVERIFY(texts.at(2).startsWith(u"Zum Zählen der Punkte von Kandidaten eines Quiz.\n"_qs));
    QCOMPARE(texts.mid(3), texts.mid(0, 3));
    QCOMPARE(open, !closes);
    QCOMPARE(fx.boxes.shown.size(), closes ? 0 : 2);
    for (const auto &shown : fx.boxes.shown)
        QCOMPARE(shown.title + shown.text,
                 u"QuizSystem Information Is Unavailable At This Time"_qs);
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
