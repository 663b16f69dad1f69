#include "scoring/bidi.h"

#include <QVarLengthArray>

#include <algorithm>

namespace scoring {

namespace {

constexpr char16_t Pdf = 0x202C; // POP DIRECTIONAL FORMATTING
constexpr char16_t Pdi = 0x2069; // POP DIRECTIONAL ISOLATE

// U+202A to U+202E and U+2066 to U+2069: the openers and the two pops.
bool isDirectionalFormat(char16_t c)
{
    return char16_t(c - 0x202A) <= 0x202E - 0x202A || char16_t(c - 0x2066) <= Pdi - 0x2066;
}

} // namespace

QString closeDirectionalRuns(const QString &name)
{
    const char16_t *const begin = reinterpret_cast<const char16_t *>(name.utf16());
    const char16_t *const end = begin + name.size();
    const char16_t *first = std::find_if(begin, end, isDirectionalFormat);
    if (first == end)
        return name;

    // What closes each open embedding, override or isolate, innermost last.
    QVarLengthArray<char16_t, 16> open;
    qsizetype isolates = 0;
    for (const char16_t *c = first; c != end; ++c) {
        switch (*c) {
        case 0x202A: // LEFT-TO-RIGHT EMBEDDING
        case 0x202B: // RIGHT-TO-LEFT EMBEDDING
        case 0x202D: // LEFT-TO-RIGHT OVERRIDE
        case 0x202E: // RIGHT-TO-LEFT OVERRIDE
            open.append(Pdf);
            break;
        case 0x2066: // LEFT-TO-RIGHT ISOLATE
        case 0x2067: // RIGHT-TO-LEFT ISOLATE
        case 0x2068: // FIRST STRONG ISOLATE
            open.append(Pdi);
            ++isolates;
            break;
        case Pdf:
            if (!open.isEmpty() && open.back() == Pdf)
                open.removeLast();
            break;
        case Pdi:
            if (isolates > 0) {
                while (open.back() != Pdi)
                    open.removeLast();
                open.removeLast();
                --isolates;
            }
            break;
        default:
            break;
        }
    }
    if (open.isEmpty())
        return name;
    QString closed;
    closed.reserve(name.size() + open.size());
    closed.append(name);
    for (qsizetype i = open.size(); i-- > 0;)
        closed.append(QChar(open[i]));
    return closed;
}

} // namespace scoring
