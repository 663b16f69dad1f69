#include "app/session.h"

#include <QSocketNotifier>
#include <QString>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may do nothing but write: the event loop reads the other end.
int endSocket[2] = {-1, -1};

extern "C" void onEndSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(endSocket[1], &byte, 1);
    errno = saved;
}

} // namespace

void closeAtSessionEnd(QWidget &window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, endSocket) != 0)
        return;
    // A burst of signals fills the socket at worst; the handler never blocks.
    ::fcntl(endSocket[1], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(endSocket[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char bytes[64];
        [[maybe_unused]] const ssize_t drained = ::read(endSocket[0], bytes, sizeof bytes);
        window.close(); // also closes a modal box or the About window first
    });

    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        // Started with nohup or in a shell's background, the program was told
        // to outlive its terminal: that stays so.
        struct sigaction before = {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

void failForWantOfDisplay()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    QString line;
    if (display.isEmpty() && wayland.isEmpty()) {
        line = QStringLiteral("Keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY "
                              "sind leer): Wertungsbrett braucht einen Desktop.");
    } else {
        const QString which = display.isEmpty() ? QStringLiteral("WAYLAND_DISPLAY=") + wayland
                                                : QStringLiteral("DISPLAY=") + display;
        line = QStringLiteral("Keine grafische Anzeige gefunden (%1 konnte nicht geöffnet "
                              "werden): Wertungsbrett braucht einen Desktop.")
                   .arg(which);
    }
    // stderr is unbuffered: the line is out before the exit.
    std::fputs(qPrintable(line + u'\n'), stderr);
    std::_Exit(1);
}

void quietStartupBoxes(bool) {}
