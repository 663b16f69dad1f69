#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>
#include <utility>

class QSettings;

// The main window's outer top-left corner between runs, stored in twips as text.
namespace mainwindow::windowposition {

// Wayland neither places a window nor tells where it is (Qt answers with its
// decoration's offset), yet Qt's WindowManagement capability is set there too.
bool placesWindows();

// The stored corner in pixels; a missing or non-finite value is 1000 twips.
// A title bar (relative to the corner) on none of `screens` could not be
// reached: both values are then the default.
QPoint load(const QSettings *settings, const QRect &titleBar, const QList<QRect> &screens);

// Stores the corner, given in pixels, as whole twips.
void save(QSettings &settings, QPoint topLeft);

// One source file per platform: the user's own store, without machine-wide
// fallbacks; null where it cannot be used safely.
std::unique_ptr<QSettings> openUserStore(const QString &program);

// Writes at once, as the session may end the process right after the window
// closes; writes nothing rather than wait long for another program's lock.
void write(QSettings &settings, const QList<std::pair<QString, QString>> &values);

} // namespace mainwindow::windowposition
