#pragma once

#include <array>
#include <string>

// What the start and the end of the program need beyond plain Qt, each for a
// named fault of Qt or of the desktop session.
namespace Module1 {

// The command line Qt is started with. It must outlive the application
// object, which keeps references to it.
class QtCommandLine
{
public:
    // Qt gets the program's name only: the program takes no command line, and
    // Qt's own options (-reverse, -qwindowgeometry, -stylesheet ...) must not
    // reach it either.
    QtCommandLine(int argc, char *argv[]);

    // Under Wayland no program can place its window or learn where it is.
    // Where the session offers XWayland too and the user chose no platform,
    // the program runs on X11, as on an X11 desktop, and opens where it was;
    // Wayland stays the fallback should XWayland not answer.
    void preferX11();

    int &argc() { return m_argc; }
    char **argv() { return m_argv.data(); }

private:
    void append(const char *argument);

    std::array<std::string, 3> m_arguments;
    std::array<char *, 4> m_argv{};
    int m_argc = 0;
};

// Qt ends with qFatal, an abort and four lines of its own when no platform
// plugin can be started. From holdStartupMessages() to passOnStartupMessages()
// its messages are held back: a fatal one becomes one German line and exit
// code 1; the others are passed on at the end, once the application stands.
void holdStartupMessages();
void passOnStartupMessages();

// Qt 6.4 on Wayland can hang at exit: ~QWaylandDisplay waits for its event
// thread, which waits in wl_display_read_events for a read that is never
// made (tests/e2e/wayland.sh ends the program there). With that Qt on Wayland
// the program ends here, without Qt's teardown; nothing is stored on Wayland,
// so nothing is lost. Elsewhere it returns.
void endBeforeWaylandTeardown(int status);

} // namespace Module1
