#pragma once

#include <QApplication>
#include <QFont>

namespace mainwindow {

// The program's one font, the one its layouts are drawn for: Arial's metrics
// at 8 pt. Liberation Sans is asked for by name first, as where fontconfig
// knows no Arial alias "Arial" falls back to a wider font, and the captions
// no longer fit. Set for the whole application, so that the windows, their
// menus and the message boxes share it.
inline void useProgramFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(8);
    QApplication::setFont(font);
}

} // namespace mainwindow
