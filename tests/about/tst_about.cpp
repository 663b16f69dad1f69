#include "about/sysinfo.h"

#include "support/fakes.h"

#include <QTest>

namespace {

const QString ReadTool = u"read SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"_qs;
const QString ReadFolder = u"read SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO"_qs;
const std::string Tool = "C:\\Tools\\MSINFO32.EXE";

services::ValueRead value(const std::string &bytes, std::uint32_t type = about::RegSz)
{
    services::ValueRead read{0, type, {}};
    std::copy(bytes.begin(), bytes.end(), read.data.begin());
    return read;
}
const services::ValueRead Missing = FakeSystem::failed(2);
const services::ValueRead Full = value(std::string(services::ValueBufferSize, 'A'));

} // namespace

Q_DECLARE_METATYPE(services::ValueRead)

class tst_About : public QObject
{
    Q_OBJECT

private slots:
    void getKeyValue_data()
    {
        QTest::addColumn<services::ValueRead>("stored");
        QTest::addColumn<QByteArray>("keyVal"); // the caller passed "vorher"; null: not found
        QTest::newRow("ends at the first zero")
            << value({"C:\\a\0C:\\b", 9}) << QByteArray("C:\\a");
        QTest::newRow("1023 bytes and a zero")
            << value(std::string(1023, 'x')) << QByteArray(1023, 'x');
        QTest::newRow("dword") << value("\x78\x56\x34\x12", about::RegDword)
                               << QByteArray("305419896");
        QTest::newRow("dword with zero bytes")
            << value({"\0\1\0\0", 4}, about::RegDword) << QByteArray("256");
        QTest::newRow("other type") << value("%SystemRoot%", 2) << QByteArray("vorher");
        QTest::newRow("access refused") << FakeSystem::failed(5) << QByteArray();
    }
    void getKeyValue()
    {
        QFETCH(services::ValueRead, stored);
        QFETCH(QByteArray, keyVal);
        FakeSystem system;
        system.values["Key|Value"] = stored;
        std::string text = "vorher";
        QCOMPARE(about::GetKeyValue(system, services::LocalMachine, "Key", "Value", text),
                 !keyVal.isNull());
        QCOMPARE(QByteArray::fromStdString(text), keyVal);
    }
    void startSysInfo_data()
    {
        QTest::addColumn<services::ValueRead>("tool");   // PATH
        QTest::addColumn<services::ValueRead>("folder"); // MSINFO
        QTest::addColumn<QString>("failing");            // a service that throws
        QTest::addColumn<QStringList>("calls");          // ending in "start" when it started
        const QString search = u"search C:\\Tools\\MSINFO32.EXE"_qs,
                      start = u"start C:\\Tools\\MSINFO32.EXE"_qs;
        QTest::newRow("own path") << value(Tool) << Missing << QString()
                                  << QStringList{ReadTool, start};
        QTest::newRow("own path missing: no second lookup")
            << value("C:\\Weg.exe") << value("C:\\Tools") << QString()
            << QStringList{ReadTool, u"start C:\\Weg.exe"_qs};
        QTest::newRow("own path of another type")
            << value(Tool, 2) << Missing << QString() << QStringList{ReadTool, u"start "_qs};
        QTest::newRow("own path fills the buffer")
            << Full << value("C:\\Tools") << QString() << QStringList{ReadTool};
        QTest::newRow("folder") << Missing << value("C:\\Tools") << QString()
                                << QStringList{ReadTool, ReadFolder, search, start};
        QTest::newRow("folder with a backslash")
            << Missing << value("C:\\Tools\\") << QString()
            << QStringList{ReadTool, ReadFolder, u"search C:\\Tools\\\\MSINFO32.EXE"_qs};
        QTest::newRow("folder fills the buffer")
            << Missing << Full << QString() << QStringList{ReadTool, ReadFolder};
        QTest::newRow("neither") << Missing << Missing << QString()
                                 << QStringList{ReadTool, ReadFolder};
        QTest::newRow("search fails") << Missing << value("C:\\Tools") << u"search"_qs
                                      << QStringList{ReadTool, ReadFolder, search};
        QTest::newRow("start fails") << Missing << value("C:\\Tools") << u"start"_qs
                                     << QStringList{ReadTool, ReadFolder, search, start};
    }
    // Every row of the launcher's failure table, over stand-ins.
    void startSysInfo()
    {
        QFETCH(services::ValueRead, tool);
        QFETCH(services::ValueRead, folder);
        QFETCH(QString, failing);
        QFETCH(QStringList, calls);
        FakeSystem system;
        system.values = {{"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH", tool},
                         {"SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO", folder}};
        system.files = {Tool};
        system.failing = failing.toStdString();
        QCOMPARE(about::StartSysInfo(system),
                 failing.isEmpty() && calls.last() == u"start C:\\Tools\\MSINFO32.EXE");
        QCOMPARE(system.calls, calls);
    }
};

QTEST_APPLESS_MAIN(tst_About)
#include "tst_about.moc"
