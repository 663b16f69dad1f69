#pragma once

#include <QString>

#include <optional>

namespace scoring {

class Roster;

// What a command did, for the window to show.
struct Outcome
{
    // Replaces the status panel's text; none leaves the panel as it is.
    std::optional<QString> status;
    bool rebuildStandings = false;

    friend bool operator==(const Outcome &, const Outcome &) = default;
};

// Each takes the name as it stands in the edit field; an empty one does nothing.
Outcome awardPoint(Roster &roster, const QString &name);      // "+1 Punkt"
Outcome deductPoint(Roster &roster, const QString &name);     // "-1 Punkt"
Outcome removeCandidate(Roster &roster, const QString &name); // "Löschen"
// A new quiz, once the user has confirmed it.
Outcome startNewQuiz(Roster &roster);

} // namespace scoring
