#include "standings.h"

#include "roster.h"

namespace scoring {

QString standingsLine(const Roster &roster)
{
    if (roster.count() == 0)
        return {};

    static constexpr QStringView Prefix = u"/me --Punkte--  ";
    // Sized once: at a full roster the line runs to hundreds of kilobytes.
    qsizetype length = Prefix.size();
    for (int i = 0; i < roster.count(); ++i)
        length += roster.name(i).size() + 15; // " ", up to 10 digits, "P, "

    QString line;
    line.reserve(length);
    line += Prefix;
    for (int i = 0; i < roster.count(); ++i) {
        line += roster.name(i);
        line += u' ';
        line += QString::number(roster.points(i));
        line += u"P, ";
    }
    return line;
}

} // namespace scoring
