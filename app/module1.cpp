#include "app/module1.h"

#include "app/usersettings.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"
#include "services/services.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Module1 {

int Main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
    UserSettings settings(QApplication::applicationName());
    mainwindow::frmMain mainForm({messageBoxes, clipboard, helpViewer, system}, &settings);
    mainForm.show();
    return QApplication::exec();
}

} // namespace Module1
