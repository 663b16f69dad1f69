#include "scoring/standings.h"

#include "scoring/bidi.h"
#include "scoring/roster.h"

namespace scoring {

QString standingsLine(const Roster &roster, qsizetype length)
{
    if (roster.count() == 0)
        return {};
    QString line = QStringLiteral("/me --Punkte--  ");
    for (int i = 0; i < roster.count() && line.size() < length; ++i) {
        line += closeDirectionalRuns(roster.name(i));
        line += u' ';
        line += QString::number(roster.points(i));
        line += u"P, ";
    }
    return line;
}

} // namespace scoring
