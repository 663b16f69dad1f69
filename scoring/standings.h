#pragma once

#include <QString>

namespace scoring {

class Roster;

// The standings line for the chat, e.g. "/me --Punkte--  Anna 3P, Bernd 0P, ":
// every candidate in list order, each followed by "P, ". Empty for an empty
// roster.
QString standingsLine(const Roster &roster);

} // namespace scoring
