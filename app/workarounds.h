#pragma once

#include <array>

// What the start and the end of the program need beyond plain Qt, each for a
// named fault of Qt or of the desktop session.
namespace Module1 {

// The command line Qt is started with: the program's name only, as the program takes no command
// line, and Qt's own options
// (-reverse, -qwindowgeometry, -stylesheet ...) must not reach it either.
// Under Wayland no program can place its window or learn where it is: where
// the session offers XWayland too and the user chose no platform, Qt is told
// to try X11 first, as on an X11 desktop, so that the window opens where it
// was; Wayland stays the fallback should XWayland not answer. It must
// outlive the application object, which keeps references to it.
struct QtCommandLine
{
    int argc;
    std::array<char *, 4> argv; // ended by a null
};
QtCommandLine qtCommandLine(int argc, char *argv[]);

// Qt ends with qFatal, an abort and four lines of its own when no platform
// plugin can be started. From holdStartupMessages() to passOnStartupMessages()
// its messages are held back: that fatal one becomes failForWantOfDisplay();
// the others are passed on, at the end, once the application stands, or at
// once before any other fatal message, which keeps its meaning.
void holdStartupMessages();
void passOnStartupMessages();

// Qt 6.4 on Wayland can hang at exit: ~QWaylandDisplay waits for its event
// thread, which waits in wl_display_read_events for a read that is never
// made (tests/e2e/wayland.sh ends the program there). With that Qt on Wayland
// the program ends here, without Qt's teardown; nothing is stored on Wayland,
// so nothing is lost. Elsewhere it returns.
void endBeforeWaylandTeardown(int status);

} // namespace Module1
