#pragma once

#include <QString>

#include <limits>

namespace scoring {

class Roster;

// The line for the chat, e.g. "/me --Punkte--  Anna 3P, Bernd 0P, ". Names are
// closed (closeDirectionalRuns), so that none makes the points read as another's.
// With `length`, whole entries only until it holds at least that many characters.
QString standingsLine(const Roster &roster,
                      qsizetype length = std::numeric_limits<qsizetype>::max());

} // namespace scoring
