#include "fakeplatform.h"
#include "sysinfo.h"

#include <QTest>

namespace {

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString ReadTool = u"read 80000002 SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"_qs;
const QString ReadFolder = u"read 80000002 SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO"_qs;
const sysinfo::ValueRead Missing = FakePlatform::failed(2);

constexpr std::uint32_t RegExpandSz = 2;
constexpr std::uint32_t RegBinary = 3;

} // namespace

class tst_SysInfo : public QObject
{
    Q_OBJECT

private slots:
    void getKeyValue_data();
    void getKeyValue();
    void startSysInfo_data();
    void startSysInfo();
    void failingServices_data();
    void failingServices();
};

void tst_SysInfo::getKeyValue_data()
{
    QTest::addColumn<sysinfo::ValueRead>("stored");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("keyVal"); // what the caller passed in: "vorher"

    QTest::newRow("string") << FakePlatform::text("C:\\Tools\\MSINFO32.EXE") << true
                            << QByteArray("C:\\Tools\\MSINFO32.EXE");
    QTest::newRow("empty string") << FakePlatform::text("") << true << QByteArray();
    QTest::newRow("ends at the first zero")
        << FakePlatform::typed(sysinfo::RegSz, std::string("C:\\a.exe\0C:\\b.exe", 17)) << true
        << QByteArray("C:\\a.exe");
    QTest::newRow("1023 bytes and a zero")
        << FakePlatform::text(std::string(1023, 'x')) << true << QByteArray(1023, 'x');
    QTest::newRow("ANSI bytes unchanged") << FakePlatform::text("C:\\Programme\\Z\xE4hler") << true
                                          << QByteArray("C:\\Programme\\Z\xE4hler");
    QTest::newRow("dword") << FakePlatform::dword(42) << true << QByteArray("42");
    QTest::newRow("dword zero") << FakePlatform::dword(0) << true << QByteArray("0");
    QTest::newRow("dword with a zero low byte")
        << FakePlatform::dword(0x100) << true << QByteArray("256");
    QTest::newRow("dword all bytes")
        << FakePlatform::dword(0x12345678) << true << QByteArray("305419896");
    QTest::newRow("dword maximum")
        << FakePlatform::dword(0xFFFFFFFF) << true << QByteArray("4294967295");
    QTest::newRow("expandable string keeps the caller's text")
        << FakePlatform::typed(RegExpandSz, "%ProgramFiles%\\MSINFO32.EXE") << true
        << QByteArray("vorher");
    QTest::newRow("binary keeps the caller's text")
        << FakePlatform::typed(RegBinary, "\x01\x02") << true << QByteArray("vorher");
    QTest::newRow("no such key or value") << Missing << false << QByteArray();
    QTest::newRow("access refused") << FakePlatform::failed(5) << false << QByteArray();
    QTest::newRow("longer than the buffer") << FakePlatform::failed(234) << false << QByteArray();
}

void tst_SysInfo::getKeyValue()
{
    QFETCH(sysinfo::ValueRead, stored);
    QFETCH(bool, found);
    QFETCH(QByteArray, keyVal);
    FakePlatform fake;
    fake.values[{ToolKey, "PATH"}] = stored;

    std::string value = "vorher";
    QCOMPARE(sysinfo::GetKeyValue(fake.platform(), sysinfo::LocalMachine, ToolKey, "PATH", value),
             found);
    QCOMPARE(QByteArray::fromStdString(value), keyVal);
    QCOMPARE(fake.calls, QStringList{ReadTool});
}

void tst_SysInfo::startSysInfo_data()
{
    QTest::addColumn<sysinfo::ValueRead>("tool");   // PATH
    QTest::addColumn<sysinfo::ValueRead>("folder"); // MSINFO
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("message");

    const QString tools = u"C:\\Tools\\MSINFO32.EXE"_qs;
    const QString blanks =
        u"C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe"_qs;

    QTest::newRow("tool's own path")
        << FakePlatform::text("C:\\Tools\\MSINFO32.EXE") << Missing << QStringList{tools}
        << QStringList{ReadTool, "start " + tools} << false;
    QTest::newRow("own path with blanks, started as it is")
        << FakePlatform::text(blanks.toStdString()) << Missing << QStringList{blanks}
        << QStringList{ReadTool, "start " + blanks} << false;
    QTest::newRow("own path to a missing file skips the folder")
        << FakePlatform::text("C:\\Weg\\MSINFO32.EXE") << FakePlatform::text("C:\\Tools")
        << QStringList{tools} << QStringList{ReadTool, u"start C:\\Weg\\MSINFO32.EXE"_qs} << true;
    QTest::newRow("own path empty") << FakePlatform::text("") << Missing << QStringList{tools}
                                    << QStringList{ReadTool, u"start "_qs} << true;
    QTest::newRow("own path of another type")
        << FakePlatform::typed(RegExpandSz, "C:\\Tools\\MSINFO32.EXE") << Missing
        << QStringList{tools} << QStringList{ReadTool, u"start "_qs} << true;
    QTest::newRow("own path as a number")
        << FakePlatform::dword(42) << Missing << QStringList{tools}
        << QStringList{ReadTool, u"start 42"_qs} << true;
    QTest::newRow("own path fills the buffer")
        << FakePlatform::full(sysinfo::RegSz) << FakePlatform::text("C:\\Tools")
        << QStringList{tools} << QStringList{ReadTool} << true;
    QTest::newRow("folder holds the tool")
        << Missing << FakePlatform::text("C:\\Tools") << QStringList{tools}
        << QStringList{ReadTool, ReadFolder, "search " + tools, "start " + tools} << false;
    QTest::newRow("own value refused, folder holds the tool")
        << FakePlatform::failed(5) << FakePlatform::text("C:\\Tools") << QStringList{tools}
        << QStringList{ReadTool, ReadFolder, "search " + tools, "start " + tools} << false;
    QTest::newRow("own value too long, folder holds the tool")
        << FakePlatform::failed(234) << FakePlatform::text("C:\\Tools") << QStringList{tools}
        << QStringList{ReadTool, ReadFolder, "search " + tools, "start " + tools} << false;
    QTest::newRow("folder ending in a backslash")
        << Missing << FakePlatform::text("C:\\Tools\\")
        << QStringList{u"C:\\Tools\\\\MSINFO32.EXE"_qs}
        << QStringList{ReadTool, ReadFolder, u"search C:\\Tools\\\\MSINFO32.EXE"_qs,
                       u"start C:\\Tools\\\\MSINFO32.EXE"_qs}
        << false;
    QTest::newRow("folder without the tool")
        << Missing << FakePlatform::text("C:\\Tools") << QStringList()
        << QStringList{ReadTool, ReadFolder, "search " + tools} << true;
    QTest::newRow("folder of another type, tool at the drive's root")
        << Missing << FakePlatform::typed(RegExpandSz, "C:\\Tools")
        << QStringList{u"\\MSINFO32.EXE"_qs}
        << QStringList{ReadTool, ReadFolder, u"search \\MSINFO32.EXE"_qs,
                       u"start \\MSINFO32.EXE"_qs}
        << false;
    QTest::newRow("folder of another type, nothing at the drive's root")
        << Missing << FakePlatform::typed(RegExpandSz, "C:\\Tools") << QStringList{tools}
        << QStringList{ReadTool, ReadFolder, u"search \\MSINFO32.EXE"_qs} << true;
    QTest::newRow("folder fills the buffer")
        << Missing << FakePlatform::full(sysinfo::RegSz) << QStringList{tools}
        << QStringList{ReadTool, ReadFolder} << true;
    QTest::newRow("neither value")
        << Missing << Missing << QStringList{tools} << QStringList{ReadTool, ReadFolder} << true;
}

void tst_SysInfo::startSysInfo()
{
    QFETCH(sysinfo::ValueRead, tool);
    QFETCH(sysinfo::ValueRead, folder);
    QFETCH(QStringList, files);
    QFETCH(QStringList, calls);
    QFETCH(bool, message);
    FakePlatform fake;
    fake.values[{ToolKey, "PATH"}] = tool;
    fake.values[{FolderKey, "MSINFO"}] = folder;
    for (const QString &file : files)
        fake.files.insert(file.toStdString());

    QStringList told;
    sysinfo::StartSysInfo(fake.platform(),
                          [&](const std::string &text) { told << QString::fromStdString(text); });

    QCOMPARE(fake.calls, calls);
    QCOMPARE(told, message ? QStringList{u"System Information Is Unavailable At This Time"_qs}
                           : QStringList());
}

void tst_SysInfo::failingServices_data()
{
    QTest::addColumn<QString>("failing");
    QTest::newRow("registry") << u"read"_qs;
    QTest::newRow("file search") << u"search"_qs;
    QTest::newRow("program start") << u"start"_qs;
}

// An error in any service ends the lookup with the message; none escapes.
void tst_SysInfo::failingServices()
{
    QFETCH(QString, failing);
    FakePlatform fake;
    fake.values[{FolderKey, "MSINFO"}] = FakePlatform::text("C:\\Tools");
    fake.files.insert("C:\\Tools\\MSINFO32.EXE");
    fake.failing = failing;

    int told = 0;
    sysinfo::StartSysInfo(fake.platform(), [&](const std::string &) { ++told; });

    QCOMPARE(told, 1);
    QVERIFY(fake.calls.last().startsWith(failing));
}

QTEST_APPLESS_MAIN(tst_SysInfo)
#include "tst_sysinfo.moc"
