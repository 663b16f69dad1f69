// QSettings waits for its lock for ever, and the window would never close: so
// the lock is taken here, for a second at most, and the file is replaced by a
// copy that QSettings writes under a lock of its own that nobody else knows.
#include "mainwindow/windowposition.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace mainwindow::windowposition {

namespace {

// A dangling link is refused: writing would create its target wherever it points.
bool regularOrMissing(const QString &path, bool followLinks)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    return info.isFile() && (followLinks || !info.isSymLink());
}

// A FIFO would block the read, a directory as lock the write for ever, and a
// device must never be replaced by a settings file.
bool usable(const QString &fileName)
{
    return regularOrMissing(fileName, true) &&
           regularOrMissing(fileName + QStringLiteral(".lock"), false);
}

} // namespace

std::unique_ptr<QSettings> openUserStore(const QString &program)
{
    // QSettings reads its file as it is constructed, so the check comes first.
    const QString fileName =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + program +
        QStringLiteral(".conf");
    if (!usable(fileName))
        return nullptr;
    // Named by its file, QSettings reads no machine-wide fallbacks.
    return std::make_unique<QSettings>(fileName, QSettings::IniFormat);
}

void write(QSettings &settings, const QList<std::pair<QString, QString>> &values)
{
    const QString fileName = settings.fileName();
    if (!usable(fileName))
        return;
    QLockFile lock(fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(1000))
        return;
    // Beside the file a link leads to, so that the link stays.
    const QFileInfo info(fileName);
    const QString target = info.exists() ? info.canonicalFilePath() : fileName;
    const QString copyName = target + QStringLiteral(".new");
    QFile::remove(copyName);
    QSettings copy(copyName, QSettings::IniFormat);
    for (const QString &key : settings.allKeys())
        copy.setValue(key, settings.value(key));
    for (const auto &[key, value] : values)
        copy.setValue(key, value);
    copy.sync();
    if (info.exists())
        QFile::setPermissions(copyName, QFile::permissions(target));
    if (copy.status() != QSettings::NoError ||
        std::rename(QFile::encodeName(copyName).constData(), QFile::encodeName(target).constData()))
        QFile::remove(copyName);
}

} // namespace mainwindow::windowposition
