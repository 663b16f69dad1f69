#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>
#include <utility>

class QSettings;

// The main window's position between runs: its outer top-left corner in
// twips (15 to a pixel), kept as numbers in text under "Settings", keys
// "MainLeft" and "MainTop".
namespace mainwindow::windowposition {

// Whether the platform lets the program place its window and learn where it
// is. Wayland does neither: Qt answers with the offset of its own decoration.
// Qt's WindowManagement capability is set there all the same, so the
// platform is known by its name.
bool placesWindows();

// The stored corner in pixels. A key that is missing or holds no finite
// number counts as 1000 twips, and so do both without a store. If the title
// bar (`titleBar`, relative to the corner) would lie outside every one of
// `screens`, the window could not be reached, so both defaults are used
// instead.
QPoint load(const QSettings *settings, const QRect &titleBar, const QList<QRect> &screens);

// Stores the corner, given in pixels, as whole twips.
void save(QSettings &settings, QPoint topLeft);

// The user's own settings store, one source file per platform.

// The user's own store of `program`'s settings, and no machine-wide one
// beside it; null where it cannot be used safely.
std::unique_ptr<QSettings> openUserStore(const QString &program);

// Writes `values`, keys with their texts, into the store at once: the session
// may end the process right after the window closes. Nothing is written where
// that would wait for another program more than a moment.
void write(QSettings &settings, const QList<std::pair<QString, QString>> &values);

} // namespace mainwindow::windowposition
