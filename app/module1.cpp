#include "module1.h"

#include "desktophelpviewer.h"
#include "frmmain.h"
#include "messageboxes.h"
#include "systemclipboard.h"
#include "windowposition.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace Module1 {

int Main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wertungsbrett"));
    QApplication::setApplicationVersion(QStringLiteral(WERTUNGSBRETT_VERSION));
    // Lets the desktop find the program's entry and icon for its window.
    QApplication::setDesktopFileName(QStringLiteral(WERTUNGSBRETT_ID));

    // The program speaks German whatever the desktop's language: Qt's own
    // buttons ("Ja", "Nein", "Abbrechen") must match.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTranslation;
    if (qtTranslation.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslation);

    QtMessageBoxes messageBoxes;
    SystemClipboard clipboard;
    const std::unique_ptr<QSettings> settings =
        windowposition::openUserStore(QApplication::applicationName());
    DesktopHelpViewer helpViewer; // the program ships no help file
    frmMain mainForm({.messageBoxes = messageBoxes,
                      .clipboard = clipboard,
                      .settings = settings.get(),
                      .helpViewer = &helpViewer});
    gMainForm = &mainForm;
    mainForm.show();
    return QApplication::exec();
}

} // namespace Module1
