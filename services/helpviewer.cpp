#include "services/helpviewer.h"

#include <QDesktopServices>
#include <QUrl>

#include <stdexcept>

namespace services {

// The desktop offers no keyword search of its own: both requests open the
// file. Whether the program it starts can show the file is not reported back.
void DesktopHelpViewer::show(QWidget *, Request)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_helpFile)))
        throw std::runtime_error("Kein Programm zum Anzeigen der Hilfe gefunden.");
}

} // namespace services
