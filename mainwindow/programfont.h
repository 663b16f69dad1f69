#pragma once

#include <QApplication>
#include <QFont>

namespace mainwindow {

// Arial's metrics at 8 pt, which the layouts are drawn for. Liberation Sans
// comes first: where fontconfig knows no Arial alias, "Arial" falls back to a
// wider font and the captions no longer fit. Menus and message boxes share it.
inline void useProgramFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(8);
    QApplication::setFont(font);
}

} // namespace mainwindow
