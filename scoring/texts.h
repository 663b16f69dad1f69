#pragma once

#include "scoring/bidi.h"

#include <QString>

// Every text the main window shows that its layout does not hold, in one
// place: the results of the scoring commands, the questions and answers of its
// menus, and the names screen readers say for its unlabelled controls. A name
// in them is closed after itself (closeDirectionalRuns): a direction it leaves
// open must not turn the rest of the text round.
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

inline const QString NewQuizTitle = QStringLiteral("Neues Quiz");
inline const QString NewQuizQuestion =
    QStringLiteral("Wirklich neu anfangen?\r\nAlle Kandidaten und Punktestände werden gelöscht!");

inline const QString NoHelp = QStringLiteral("Keine Hilfe verfügbar.");

inline const QString CandidateField = QStringLiteral("Kandidat");
inline const QString CandidateList = QStringLiteral("Kandidaten");

} // namespace scoring::texts
