#pragma once

#include <QString>

#include <limits>

namespace scoring {

class Roster;

// The standings line for the chat, e.g. "/me --Punkte--  Anna 3P, Bernd 0P, ":
// every candidate in list order, each followed by "P, ". A name that leaves a
// direction open is closed after itself (closeDirectionalRuns), so that it
// cannot make the points read as another's. Empty for an empty roster.
// With `length`, only its start: whole entries until it holds at least that
// many characters. At 32,767 candidates the whole line takes milliseconds to
// build, more than a click may cost.
QString standingsLine(const Roster &roster,
                      qsizetype length = std::numeric_limits<qsizetype>::max());

} // namespace scoring
