#include "scoring/commands.h"

#include "scoring/roster.h"
#include "scoring/texts.h"

#include <limits>

namespace scoring {

Outcome awardPoint(Roster &roster, const QString &name)
{
    if (name.isEmpty())
        return {};
    if (const int position = roster.find(name); position >= 0) {
        const qint32 points = roster.points(position);
        if (points == std::numeric_limits<qint32>::max())
            return {texts::PointsCeiling, false};
        roster.setPoints(position, points + 1);
        return {texts::plusExisting(roster.name(position)), true};
    }
    if (roster.isFull())
        return {texts::RosterFull, false};
    const int position = roster.add(name, 1);
    return {texts::plusNew(roster.name(position)), true};
}

Outcome deductPoint(Roster &roster, const QString &name)
{
    if (name.isEmpty())
        return {};
    const int position = roster.find(name);
    if (position < 0)
        return {std::nullopt, true};
    const qint32 points = roster.points(position);
    if (points <= 0)
        return {texts::BelowZero, true};
    roster.setPoints(position, points - 1);
    return {texts::minus(roster.name(position)), true};
}

Outcome removeCandidate(Roster &roster, const QString &name)
{
    if (name.isEmpty())
        return {};
    const int position = roster.find(name);
    if (position < 0)
        return {texts::notFound(name), true};
    roster.remove(position);
    return {texts::removed(name), true};
}

Outcome startNewQuiz(Roster &roster)
{
    roster.clear();
    return {texts::OpeningHint, true};
}

} // namespace scoring
