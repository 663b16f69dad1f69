#include "app/session.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

#include <cstdlib>

// Windows asks with WM_QUERYENDSESSION and WM_ENDSESSION, and ends the
// process as soon as the latter is answered. Qt closes no window then; it
// only emits aboutToQuit while handling the message.
void closeAtSessionEnd(QWidget &window)
{
    QObject::connect(qApp, &QGuiApplication::aboutToQuit, &window, [&window] { window.close(); });
}

// A Windows program has no console to print on.
void failForWantOfDisplay()
{
    MessageBoxW(nullptr,
                L"Keine grafische Anzeige gefunden (platforms\\qwindows.dll fehlt oder ist "
                L"beschädigt): Wertungsbrett bitte neu installieren.",
                L"Wertungsbrett", MB_OK | MB_ICONERROR);
    std::_Exit(1);
}
