#include "module1.h"

#include "frmmain.h"
#include "messageboxes.h"
#include "systemclipboard.h"

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

    // The program speaks German whatever the desktop's language: Qt's own
    // buttons ("Ja", "Nein", "Abbrechen") must match.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTranslation;
    if (qtTranslation.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslation);

    QtMessageBoxes messageBoxes;
    SystemClipboard clipboard;
    frmMain mainForm({messageBoxes, clipboard});
    gMainForm = &mainForm;
    mainForm.show();
    return QApplication::exec();
}

} // namespace Module1
