#include "about/sysinfo.h"

#include "support/fakes.h"

#include <QTest>

namespace {

const QString Tool = u"C:\\Tools\\MSINFO32.EXE"_qs;

services::ValueRead value(const std::string &bytes, std::uint32_t type = about::RegSz)
{
    services::ValueRead read{0, type, {}};
    std::copy(bytes.begin(), bytes.end(), read.data.begin());
    return read;
}
const services::ValueRead Missing = FakeSystem::failed(2);
const services::ValueRead Full = value(std::string(services::ValueBufferSize, 'A'));
const services::ValueRead Folder = value("C:\\Tools");

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
        QTest::addColumn<QStringList>("started");
        const auto own = [](const char *name, const services::ValueRead &tool,
                            const QString &path) {
            QTest::newRow(name) << tool << Folder << QString() << QStringList{path};
        };
        own("own path", value(Tool.toStdString()), Tool);
        own("own path, up to the first zero", value({"C:\\Weg.exe\0C:\\b", 15}), u"C:\\Weg.exe"_qs);
        own("own path of 1023 bytes", value(std::string(1023, 'x')), QString(1023, u'x'));
        own("own path of another type", value("C:\\Weg.exe", 2), u""_qs);
        own("own path a number", value("\x78\x56\x34\x12", about::RegDword), u"305419896"_qs);
        own("own path a number with zero bytes", value({"\0\1\0\0", 4}, about::RegDword),
            u"256"_qs);
        QTest::newRow("own path fills the buffer") << Full << Folder << QString() << QStringList();
        QTest::newRow("folder") << Missing << Folder << QString() << QStringList{Tool};
        QTest::newRow("folder with a backslash")
            << Missing << value("C:\\Tools\\") << QString() << QStringList();
        QTest::newRow("folder fills the buffer") << Missing << Full << QString() << QStringList();
        QTest::newRow("folder of another type") // read as empty: the tool's name alone
            << Missing << value("C:\\Tools", 2) << QString() << QStringList{u"\\MSINFO32.EXE"_qs};
        QTest::newRow("neither") << FakeSystem::failed(5) << Missing << QString() << QStringList();
        QTest::newRow("search fails") << Missing << Folder << u"search"_qs << QStringList();
        QTest::newRow("start fails") << Missing << Folder << u"start"_qs << QStringList{Tool};
    }
    void startSysInfo()
    {
        QFETCH(services::ValueRead, tool);
        QFETCH(services::ValueRead, folder);
        QFETCH(QString, failing);
        QFETCH(QStringList, started);
        FakeSystem system;
        system.values = {{"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH", tool},
                         {"SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO", folder}};
        system.files = {Tool.toStdString(), "\\MSINFO32.EXE"};
        system.failing = failing.toStdString();
        const bool runs =
            started.size() == 1 && started.first().endsWith(u"MSINFO32.EXE") && failing.isEmpty();
        QCOMPARE(about::StartSysInfo(system), runs);
        QCOMPARE(system.started, started);
    }
};

QTEST_APPLESS_MAIN(tst_About)
#include "tst_about.moc"
