#include "mainwindow/windowposition.h"

#include <QGuiApplication>
#include <QLocale>
#include <QSettings>

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

// Numbers come in the C or the German locale; QSettings splits an unquoted
// decimal comma into a list. Huge ones stay huge, and so off-screen.
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

QPoint load(const QSettings *settings, const QRect &titleBar, const QList<QRect> &screens)
{
    const QPoint stored(readPixels(settings, LeftKey), readPixels(settings, TopKey));
    const QRect bar = titleBar.translated(stored);
    const bool reachable =
        std::any_of(screens.cbegin(), screens.cend(),
                    [&bar](const QRect &screen) { return screen.intersects(bar); });
    return reachable ? stored : QPoint(toPixels(DefaultTwips), toPixels(DefaultTwips));
}

void save(QSettings &settings, QPoint topLeft)
{
    write(settings, {{LeftKey, QString::number(topLeft.x() * TwipsPerPixel)},
                     {TopKey, QString::number(topLeft.y() * TwipsPerPixel)}});
}

} // namespace mainwindow::windowposition
