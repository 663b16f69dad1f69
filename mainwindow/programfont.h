#pragma once

#include <QApplication>
#include <QFont>

namespace mainwindow {

// The program's one font, the one its layouts are drawn for: Arial at 8 pt
// (Liberation Sans from fonts-liberation2 on Linux). Set for the whole
// application, so that the windows, their menus and the message boxes share it.
inline void useProgramFont()
{
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
}

} // namespace mainwindow
