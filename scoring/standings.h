#pragma once

#include <QString>

namespace scoring {

class Roster;

// The standings line for the chat, e.g. "/me --Punkte--  Anna 3P, Bernd 0P, ":
// every candidate in list order, each followed by "P, ". A name that leaves a
// direction open is closed after itself (closeDirectionalRuns), so that it
// cannot make the points read as another's. Empty for an empty roster.
QString standingsLine(const Roster &roster);
// The start of that line: whole entries until it holds at least `length`
// characters, or the whole line if it is shorter. Costs what it builds, so
// that showing the start of the line at a full roster stays quick.
QString standingsLine(const Roster &roster, qsizetype length);

} // namespace scoring
