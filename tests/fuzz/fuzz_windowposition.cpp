#include "check.h"
#include "windowposition.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

// Any bytes as the content of the user's settings file, read through the real
// store: the program must start, and its title bar must be on a screen.
namespace {

const QRect TitleBar(0, 0, 420, 24);
const QList<QRect> Screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder().path()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    // A new file name for every input: QSettings would take a file of the same
    // name, size and time stamp (to the millisecond) from its cache unread.
    static int run = 0;
    const QString program = QStringLiteral("Wertungsbrett%1").arg(++run);
    QFile file(folder().filePath(program + QStringLiteral(".conf")));
    check(file.open(QIODevice::WriteOnly) &&
              file.write(reinterpret_cast<const char *>(bytes), qint64(size)) == qint64(size),
          "settings file written");
    file.close();
    {
        const auto settings = windowposition::openUserStore(program);
        check(settings != nullptr, "a regular settings file is read");
        const QRect bar =
            TitleBar.translated(windowposition::load(settings.get(), TitleBar, Screens));
        check(std::any_of(Screens.cbegin(), Screens.cend(),
                          [&bar](const QRect &screen) { return screen.intersects(bar); }),
              "the title bar is on a screen");
    }
    file.remove();
    return 0;
}
