#include "app/module1.h"

#include "app/endsignals.h"
#include "app/heldkeys.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"
#include "mainwindow/windowposition.h"
#include "services/services.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Module1 {

namespace {

// The one line shown when no display can be opened; the Makefile's `run`
// says the same when it finds neither variable set.
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

// Qt ends with qFatal, an abort and four lines of its own when no platform
// plugin can be started. While the application object is built its messages
// are held back: a fatal one becomes the one German line and exit code 1,
// the others are passed on once it stands.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> heldMessages;

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

int Main(int argc, char *argv[])
{
    // The program takes no command line, and Qt's own options (-reverse,
    // -qwindowgeometry, -stylesheet ...) must not reach it either: Qt gets
    // the program's name only. Both must outlive the application object.
    char fallbackName[] = "wertungsbrett";
    char *qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr, nullptr, nullptr};
    int qtArgc = 1;
    // Under Wayland no program can place its window or learn where it is.
    // Where the session offers XWayland too and the user chose no platform,
    // the program runs on X11, as on an X11 desktop, and opens where it was;
    // Wayland stays the fallback should XWayland not answer.
    char platformOption[] = "-platform";
    char x11First[] = "xcb;wayland";
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qtArgv[qtArgc++] = platformOption;
        qtArgv[qtArgc++] = x11First;
    }

    const QtMessageHandler previousHandler = qInstallMessageHandler(holdMessage);
    QApplication application(qtArgc, qtArgv);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr
                                                                    : message.category.constData());
        previousHandler(message.type, context, message.text);
    }

    QApplication::setApplicationName(QStringLiteral("Wertungsbrett"));
    QApplication::setApplicationVersion(QStringLiteral(WERTUNGSBRETT_VERSION));
    // Lets the desktop find the program's entry and icon for its window.
    QApplication::setDesktopFileName(QStringLiteral(WERTUNGSBRETT_ID));
    mainwindow::useProgramFont();

    // The program speaks German whatever the desktop's language: Qt's own
    // buttons ("Ja", "Nein", "Abbrechen") must match.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTranslation;
    if (qtTranslation.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslation);

    services::QtMessageBoxes messageBoxes;
    services::SystemClipboard clipboard;
    services::DesktopHelpViewer helpViewer; // the program ships no help file
    const services::NativeSystem system;
    const std::unique_ptr<QSettings> settings =
        mainwindow::windowposition::openUserStore(QApplication::applicationName());
    mainwindow::frmMain mainForm({messageBoxes, clipboard, helpViewer, system}, settings.get());
    closeOnEndSignals(mainForm);
    pressHeldKeysOnce(application);
    mainForm.show();
    const int status = QApplication::exec();
    // Qt 6.4 on Wayland can hang while it disconnects: its event thread waits
    // for a read of the connection that is never made, and the teardown waits
    // for that thread (21 exits of 40 on a loaded machine). Nothing is stored
    // where windows cannot be placed, so the program ends without that teardown.
    if (!mainwindow::windowposition::placesWindows()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace Module1
