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

// The system information launcher over a stand-in registry: every row of its
// failure table, and how it reads the values it is given.
class tst_About : public QObject
{
    Q_OBJECT

private slots:
    void startSysInfo_data()
    {
        QTest::addColumn<services::ValueRead>("tool");   // PATH
        QTest::addColumn<services::ValueRead>("folder"); // MSINFO
        QTest::addColumn<QString>("failing");            // a service that throws
        QTest::addColumn<QStringList>("calls");          // ending in "start" when it started
        const QString search = u"search C:\\Tools\\MSINFO32.EXE"_qs,
                      start = u"start C:\\Tools\\MSINFO32.EXE"_qs;
        const auto own = [](const char *name, const services::ValueRead &tool,
                            const QString &path) {
            QTest::newRow(name) << tool << Missing << QString()
                                << QStringList{ReadTool, u"start "_qs + path};
        };
        own("own path", value(Tool), start.mid(6));
        own("own path, up to the first zero", value({"C:\\Tools\\MSINFO32.EXE\0C:\\b", 26}),
            start.mid(6));
        own("own path of 1023 bytes", value(std::string(1023, 'x')), QString(1023, u'x'));
        own("own path of another type", value(Tool, 2), QString());
        own("own path a number", value("\x78\x56\x34\x12", about::RegDword), u"305419896"_qs);
        own("own path a number with zero bytes", value({"\0\1\0\0", 4}, about::RegDword),
            u"256"_qs);
        QTest::newRow("own path missing: no second lookup")
            << value("C:\\Weg.exe") << value("C:\\Tools") << QString()
            << QStringList{ReadTool, u"start C:\\Weg.exe"_qs};
        QTest::newRow("own path fills the buffer")
            << Full << value("C:\\Tools") << QString() << QStringList{ReadTool};
        QTest::newRow("folder") << Missing << value("C:\\Tools") << QString()
                                << QStringList{ReadTool, ReadFolder, search, start};
        QTest::newRow("folder with a backslash")
            << Missing << value("C:\\Tools\\") << QString()
            << QStringList{ReadTool, ReadFolder, u"search C:\\Tools\\\\MSINFO32.EXE"_qs};
        QTest::newRow("folder fills the buffer")
            << Missing << Full << QString() << QStringList{ReadTool, ReadFolder};
        QTest::newRow("neither") << FakeSystem::failed(5) << Missing << QString()
                                 << QStringList{ReadTool, ReadFolder};
        QTest::newRow("search fails") << Missing << value("C:\\Tools") << u"search"_qs
                                      << QStringList{ReadTool, ReadFolder, search};
        QTest::newRow("start fails") << Missing << value("C:\\Tools") << u"start"_qs
                                     << QStringList{ReadTool, ReadFolder, search, start};
    }
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
