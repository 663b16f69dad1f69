#include "scoring/standings.h"

#include "scoring/roster.h"

#include <algorithm>
#include <array>

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
    if (roster.count() == 0)
        return {};

    // At a full roster the line runs to hundreds of kilobytes: size it once.
    qsizetype length = Prefix.size();
    for (int i = 0; i < roster.count(); ++i)
        length += roster.name(i).size() + 1 + 11 + Separator.size();
    QString line(length, Qt::Uninitialized);

    auto *out = reinterpret_cast<char16_t *>(line.data());
    out = append(out, Prefix);
    std::array<char16_t, 11> digits;
    for (int i = 0; i < roster.count(); ++i) {
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
