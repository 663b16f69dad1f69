#include "app/session.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

#include <cstdlib>
#include <cwchar>

namespace {

HHOOK boxHook = nullptr;

// A box is a window of the dialog class, #32770; refusing its creation makes
// MessageBox return at once.
LRESULT CALLBACK refuseBoxes(int code, WPARAM window, LPARAM data)
{
    wchar_t className[8] = {};
    if (code == HCBT_CREATEWND && GetClassNameW(HWND(window), className, 8) &&
        std::wcscmp(className, L"#32770") == 0)
        return 1;
    return CallNextHookEx(boxHook, code, window, data);
}

} // namespace

// Windows ends the process as soon as WM_ENDSESSION is answered; Qt closes no
// window then, it only emits aboutToQuit while handling the message.
void closeAtSessionEnd(QWidget &window)
{
    QObject::connect(qApp, &QGuiApplication::aboutToQuit, &window, [&window] { window.close(); });
}

// A Windows program has no console to print on.
void failForWantOfDisplay()
{
    quietStartupBoxes(false);
    MessageBoxW(nullptr,
                L"Keine grafische Anzeige gefunden (plugins\\platforms\\qwindows.dll fehlt oder "
                L"ist beschädigt): Wertungsbrett bitte neu installieren.",
                L"Wertungsbrett", MB_OK | MB_ICONERROR);
    std::_Exit(1);
}

void quietStartupBoxes(bool quiet)
{
    if (quiet) {
        boxHook = SetWindowsHookExW(WH_CBT, refuseBoxes, nullptr, GetCurrentThreadId());
    } else if (boxHook) {
        UnhookWindowsHookEx(boxHook);
        boxHook = nullptr;
    }
}
