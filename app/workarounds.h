#pragma once

#include <array>

class QApplication;

// Start and end beyond plain Qt, each for a named fault of Qt or the session.
namespace Module1 {

// The program's name only: it takes no command line, and Qt's own options
// (-reverse, -qwindowgeometry, -stylesheet ...) must not reach Qt either. Where
// the session offers XWayland too and the user chose no platform, X11 comes
// first, so that the window opens where it was (Wayland cannot place it);
// Wayland stays the fallback. Outlives the application, which refers to it.
struct QtCommandLine
{
    int argc;
    std::array<char *, 4> argv; // ended by a null
};
QtCommandLine qtCommandLine(int argc, char *argv[]);

// Between these calls Qt's messages are held: its fatal one when no platform
// plugin starts (qFatal, an abort, four lines) becomes failForWantOfDisplay();
// the others are passed on at the end, or before any other fatal message.
void holdStartupMessages();
void passOnStartupMessages();

// With a screen reader running, Qt's AT-SPI bridge holds each key back until
// the reader has seen it, then posts a copy; shortcuts and the menu bar act on
// the real key at once. The late copy of an Alt press then closes the menu
// that Alt+D just opened, or ends the menu bar's keyboard mode after a tap of
// Alt: the next letter lands in the window. Such copies are dropped, but for
// one meant for an open menu, which Alt closes as it should.
void ignoreLateAltPresses(QApplication &application);

// Qt 6.4 on Wayland can hang at exit: ~QWaylandDisplay waits for its event
// thread, stuck in wl_display_read_events (tests/e2e/wayland.sh). There the
// program ends without Qt's teardown; nothing is stored on Wayland anyway.
void endBeforeWaylandTeardown(int status);

} // namespace Module1
