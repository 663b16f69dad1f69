#include "scoring/standings.h"

#include "scoring/bidi.h"
#include "scoring/roster.h"

#include <algorithm>
#include <array>
#include <limits>

namespace scoring {

namespace {

constexpr QStringView Prefix = u"/me --Punkte--  ";
constexpr QStringView Separator = u"P, ";

// The decimal digits of `value`, written backwards from `end`; returns the
// first digit. Spares a temporary string per candidate, which at a full
// roster is most of the cost of the line.
char16_t *writeNumber(qint32 value, char16_t *end)
{
    // Negative points never arise from the commands, but are written faithfully.
    const bool negative = value < 0;
    quint32 magnitude = negative ? 0u - quint32(value) : quint32(value);
    do {
        *--end = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        *--end = u'-';
    return end;
}

char16_t *append(char16_t *out, QStringView text)
{
    return std::copy(text.utf16(), text.utf16() + text.size(), out);
}

} // namespace

QString standingsLine(const Roster &roster)
{
    return standingsLine(roster, std::numeric_limits<qsizetype>::max());
}

QString standingsLine(const Roster &roster, qsizetype length)
{
    if (roster.count() == 0)
        return {};

    // The entries that reach `length` for certain, and room for them, sized
    // once: at a full roster the whole line runs to hundreds of kilobytes. A
    // name that leaves a direction open is closed with at most one character
    // for each of its own; points take one to eleven characters.
    int count = 0;
    qsizetype least = Prefix.size();
    qsizetype most = Prefix.size();
    for (; count < roster.count() && least < length; ++count) {
        const qsizetype name = roster.name(count).size();
        least += name + 1 + 1 + Separator.size();
        most += (roster.leavesDirectionOpen(count) ? 2 * name : name) + 1 + 11 + Separator.size();
    }
    QString line(most, Qt::Uninitialized);

    auto *out = reinterpret_cast<char16_t *>(line.data());
    out = append(out, Prefix);
    std::array<char16_t, 11> digits;
    for (int i = 0; i < count; ++i) {
        // Only the rare name that needs it pays for closing its directions.
        if (roster.leavesDirectionOpen(i))
            out = append(out, closeDirectionalRuns(roster.name(i)));
        else
            out = append(out, roster.name(i));
        *out++ = u' ';
        const char16_t *first = writeNumber(roster.points(i), digits.data() + digits.size());
        out = std::copy(first, static_cast<const char16_t *>(digits.data() + digits.size()), out);
        out = append(out, Separator);
    }
    line.truncate(out - reinterpret_cast<const char16_t *>(line.constData()));
    return line;
}

} // namespace scoring
