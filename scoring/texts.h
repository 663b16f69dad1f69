#pragma once

#include "scoring/bidi.h"

#include <QString>

// The status panel's texts. Names are closed (closeDirectionalRuns), so that
// none turns the rest of the text round.
namespace scoring::texts {

inline const QString OpeningHint = QStringLiteral("Kandidat eingeben und auf \"+1 Punkt\" klicken");

inline QString plusExisting(const QString &name)
{
    return QStringLiteral("+1P für '") + closeDirectionalRuns(name) + u'\'';
}
inline QString plusNew(const QString &name)
{
    return QStringLiteral("+1P für Neueinstieg '") + closeDirectionalRuns(name) + u'\'';
}
inline QString minus(const QString &name)
{
    return QStringLiteral("-1P für '") + closeDirectionalRuns(name) + u'\'';
}
inline const QString BelowZero = QStringLiteral("Weniger als 0P nicht möglich.");
inline QString removed(const QString &name)
{
    return u'\'' + closeDirectionalRuns(name) + QStringLiteral("' gelöscht");
}
inline QString notFound(const QString &name)
{
    return u'\'' + closeDirectionalRuns(name) + QStringLiteral("' nicht gefunden");
}

// Limits the list and the point count cannot pass.
inline const QString PointsCeiling = QStringLiteral("Mehr als 2147483647P nicht möglich.");
inline const QString RosterFull = QStringLiteral("Höchstens 32767 Kandidaten möglich.");

} // namespace scoring::texts
