#include "app/workarounds.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QList>
#include <QVersionNumber>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Module1 {

QtCommandLine::QtCommandLine(int argc, char *argv[])
{
    append(argc > 0 && argv[0] ? argv[0] : "wertungsbrett");
}

void QtCommandLine::preferX11()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        append("-platform");
        append("xcb;wayland");
    }
}

void QtCommandLine::append(const char *argument)
{
    m_arguments.at(m_argc) = argument;
    m_argv.at(m_argc) = m_arguments.at(m_argc).data();
    ++m_argc;
}

namespace {

QString noDisplayLine()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty()) {
        return QStringLiteral("Keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY "
                              "sind leer): Wertungsbrett braucht einen Desktop.");
    }
    const QString which = display.isEmpty() ? QStringLiteral("WAYLAND_DISPLAY=") + wayland
                                            : QStringLiteral("DISPLAY=") + display;
    return QStringLiteral("Keine grafische Anzeige gefunden (%1 konnte nicht geöffnet werden): "
                          "Wertungsbrett braucht einen Desktop.")
        .arg(which);
}

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
// A message handler is a plain function, so what it holds has to be global.
QList<HeldMessage> heldMessages;
QtMessageHandler previousHandler = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // stderr is unbuffered: the line is out before the exit below.
        std::fputs(qPrintable(noDisplayLine() + u'\n'), stderr);
        std::_Exit(1);
    }
    heldMessages.append({type, QByteArray(context.category), text});
}

} // namespace

void holdStartupMessages()
{
    previousHandler = qInstallMessageHandler(holdMessage);
}

void passOnStartupMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr
                                                                    : message.category.constData());
        previousHandler(message.type, context, message.text);
    }
}

void endBeforeWaylandTeardown(int status)
{
    if (QGuiApplication::platformName().startsWith(u"wayland") &&
        QLibraryInfo::version() < QVersionNumber(6, 5)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
}

} // namespace Module1
