#include "mainwindow/windowposition.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace mainwindow::windowposition {

namespace {

const QString LeftKey = QStringLiteral("Settings/MainLeft");
const QString TopKey = QStringLiteral("Settings/MainTop");
constexpr int TwipsPerPixel = 15;
constexpr int DefaultTwips = 1000;
// Far beyond any screen, yet safe from overflow when converted to pixels.
constexpr double FarTwips = 1e9;

int toPixels(int twips)
{
    return int(std::lround(double(twips) / TwipsPerPixel));
}

// Missing, or a regular file (through links). A dangling link counts as
// damaged: writing would create its target wherever it points.
bool regularOrMissing(const QString &path, bool followLinks)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    return info.isFile() && (followLinks || !info.isSymLink());
}

// QSettings waits for its lock without a time limit; a lock held by a live
// process or left fresh and unreadable would keep the program from ending.
bool usable(const QString &fileName, bool writing)
{
    const QString lockName = fileName + QStringLiteral(".lock");
    if (!regularOrMissing(fileName, true) || !regularOrMissing(lockName, false))
        return false;
    if (!writing || !QFileInfo::exists(lockName))
        return true;
    QLockFile lock(lockName);
    return lock.tryLock(1000); // released again before QSettings takes it
}

// The store holds a single-precision number in the user's locale: the C
// locale and German are both accepted, without group separators. An
// unquoted decimal comma reaches us split into a list. Non-numbers, NaN and
// infinities count as missing; huge numbers stay huge and so off-screen.
int readPixels(const QSettings *settings, const QString &key)
{
    const QVariant value = settings ? settings->value(key) : QVariant();
    const QString text = value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',')
                                                                  : value.toString();
    double twips = DefaultTwips;
    for (QLocale locale : {QLocale::c(), QLocale(QLocale::German)}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double number = locale.toDouble(text, &ok);
        if (ok) {
            if (std::isfinite(number))
                twips = std::clamp(number, -FarTwips, FarTwips);
            break;
        }
    }
    return toPixels(int(std::lround(twips)));
}

} // namespace

bool placesWindows()
{
    return !QGuiApplication::platformName().startsWith(u"wayland");
}

std::unique_ptr<QSettings> openUserStore(const QString &program)
{
    // QSettings reads its files as it is constructed, so the check comes first.
    // Named by its file, QSettings reads no machine-wide fallbacks.
    const QString fileName =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + program +
        QStringLiteral(".conf");
    if (!usable(fileName, false))
        return nullptr;
    auto settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}

QPoint load(const QSettings *settings, const QRect &titleBar, const QList<QRect> &screens)
{
    const QPoint stored(readPixels(settings, LeftKey), readPixels(settings, TopKey));
    const QRect bar = titleBar.translated(stored);
    const bool reachable =
        std::any_of(screens.cbegin(), screens.cend(),
                    [&bar](const QRect &screen) { return screen.intersects(bar); });
    return reachable ? stored : QPoint(toPixels(DefaultTwips), toPixels(DefaultTwips));
}

// Written at once: the session may end the process right after the window
// closes. QSettings reports a failed write only through its status, which
// costs nothing but the stored value.
void save(QSettings &settings, QPoint topLeft)
{
    if (!usable(settings.fileName(), true))
        return;
    settings.setValue(LeftKey, QString::number(topLeft.x() * TwipsPerPixel));
    settings.setValue(TopKey, QString::number(topLeft.y() * TwipsPerPixel));
    settings.sync();
}

} // namespace mainwindow::windowposition
