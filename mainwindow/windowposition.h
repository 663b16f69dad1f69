#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

#include <memory>

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

// The user's own settings file of `program` in the user's configuration
// folder, and no machine-wide file beside it. Null when that file or its
// lock is something other than a regular file (or a link to one): a FIFO
// would block the read, a directory as lock the write for ever, and a
// device must never be replaced by a settings file.
std::unique_ptr<QSettings> openUserStore(const QString &program);

// The stored corner in pixels. A key that is missing or holds no finite
// number counts as 1000 twips, and so do both without a store. If the title
// bar (`titleBar`, relative to the corner) would lie outside every one of
// `screens`, the window could not be reached, so both defaults are used
// instead.
QPoint load(const QSettings *settings, const QRect &titleBar, const QList<QRect> &screens);

// Stores the corner, given in pixels, as whole twips; nothing when the file
// or its lock has become something other than a regular file since the
// store was opened.
void save(QSettings &settings, QPoint topLeft);

} // namespace mainwindow::windowposition
