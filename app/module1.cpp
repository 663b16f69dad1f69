#include "app/module1.h"

#include "app/heldkeys.h"
#include "app/session.h"
#include "app/workarounds.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"
#include "mainwindow/statuspanel.h"
#include "mainwindow/windowposition.h"
#include "services/services.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace Module1 {

int Main(int argc, char *argv[])
{
    QtCommandLine qt = qtCommandLine(argc, argv);
    holdStartupMessages();
    QApplication application(qt.argc, qt.argv.data());
    passOnStartupMessages();

    QApplication::setApplicationName(QStringLiteral("Wertungsbrett"));
    QApplication::setApplicationVersion(QStringLiteral(WERTUNGSBRETT_VERSION));
    // Lets the desktop find the program's entry and icon for its window.
    QApplication::setDesktopFileName(QStringLiteral(WERTUNGSBRETT_ID));
    mainwindow::useProgramFont();
    mainwindow::StatusPanel::installAccessibility();
    pressHeldKeysOnce(application);
    ignoreLateAltPresses(application);

    // German whatever the desktop's language, Qt's own buttons ("Ja", "Nein") too.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTranslation;
    if (qtTranslation.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslation);

    services::QtMessageBoxes messageBoxes;
    const services::NativeSystem system;
    const std::unique_ptr<QSettings> settings =
        mainwindow::windowposition::openUserStore(QApplication::applicationName());
    mainwindow::frmMain mainForm({messageBoxes, system}, settings.get());
    closeAtSessionEnd(mainForm);
    mainForm.show();
    const int status = QApplication::exec();
    endBeforeWaylandTeardown(status);
    return status;
}

} // namespace Module1
