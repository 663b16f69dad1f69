#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace mainwindow {
class SettingsStore;
}

// The main window's position between runs: its outer top-left corner in
// twips (15 to a pixel), kept as whole numbers in text under "Settings",
// keys "MainLeft" and "MainTop".
namespace mainwindow::windowposition {

// The stored corner in pixels. A key that is missing or holds no whole number
// counts as 1000 twips. If the title bar (`titleBar`, relative to the corner)
// would lie outside every one of `screens`, the window could not be reached,
// so both defaults are used instead.
QPoint load(const SettingsStore &store, const QRect &titleBar, const QList<QRect> &screens);

// Stores the corner, given in pixels.
void save(SettingsStore &store, QPoint topLeft);

} // namespace mainwindow::windowposition
