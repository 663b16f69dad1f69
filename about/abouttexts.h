#pragma once

#include <QString>

// The texts the About window shows that its layout does not hold.
namespace about::texts {

inline QString version(qint16 major, qint16 minor, qint16 revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

inline const QString Description =
    QStringLiteral("Zum Zählen der Punkte von Kandidaten eines Quiz.\n"
                   "Freeware.\n"
                   "\n\n\n"
                   "© 2026 Die Wertungsbrett-Entwickler");

inline const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

} // namespace about::texts
