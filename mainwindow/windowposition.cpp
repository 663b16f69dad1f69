#include "mainwindow/windowposition.h"

#include "mainwindow/settingsstore.h"

#include <algorithm>
#include <cmath>

namespace mainwindow::windowposition {

namespace {

const QString Section = QStringLiteral("Settings");
const QString LeftKey = QStringLiteral("MainLeft");
const QString TopKey = QStringLiteral("MainTop");
constexpr int TwipsPerPixel = 15;
constexpr int DefaultTwips = 1000;

int toPixels(int twips)
{
    return int(std::lround(double(twips) / TwipsPerPixel));
}

// Anything but a whole number in range ("", "abc", "1e999", "nan") counts
// as missing, so a damaged file never keeps the program from starting.
int readPixels(const SettingsStore &store, const QString &key)
{
    bool ok = false;
    const int twips = store.read(Section, key, QString::number(DefaultTwips)).toInt(&ok);
    return toPixels(ok ? twips : DefaultTwips);
}

} // namespace

QPoint load(const SettingsStore &store, const QRect &titleBar, const QList<QRect> &screens)
{
    const QPoint stored(readPixels(store, LeftKey), readPixels(store, TopKey));
    const QRect bar = titleBar.translated(stored);
    const bool reachable =
        std::any_of(screens.cbegin(), screens.cend(),
                    [&bar](const QRect &screen) { return screen.intersects(bar); });
    return reachable ? stored : QPoint(toPixels(DefaultTwips), toPixels(DefaultTwips));
}

void save(SettingsStore &store, QPoint topLeft)
{
    store.write(Section, LeftKey, QString::number(topLeft.x() * TwipsPerPixel));
    store.write(Section, TopKey, QString::number(topLeft.y() * TwipsPerPixel));
}

} // namespace mainwindow::windowposition
