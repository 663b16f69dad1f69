#include "mainwindow/windowposition.h"

#include <QtCore>

#include <cstdlib>

// Any bytes as the user's settings file: the program starts, and its title
// bar lies on a screen.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    // A new name for every input: QSettings would take a file of the same
    // name, size and time stamp from its cache unread.
    static int run = 0;
    const QString program = QStringLiteral("Wertungsbrett%1").arg(++run);
    QFile file(folder.filePath(program + QStringLiteral(".conf")));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(bytes), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    const auto settings = mainwindow::windowposition::openUserStore(program);
    const QRect screen(0, 0, 1920, 1080), titleBar(0, 0, 420, 24);
    if (!settings || !screen.intersects(titleBar.translated(
                         mainwindow::windowposition::load(settings.get(), titleBar, {screen}))))
        std::abort();
    file.remove();
    return 0;
}
