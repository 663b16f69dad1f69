#include "scoring/singleline.h"

#include <algorithm>

namespace scoring {

namespace {

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

} // namespace

bool keepFirstLine(QString &text, int &cursor)
{
    const auto first = std::find_if(text.cbegin(), text.cend(), isLineBreak);
    if (first == text.cend())
        return false;
    const qsizetype cut = first - text.cbegin();
    const auto last = std::find_if(text.crbegin(), text.crend(), isLineBreak);
    const qsizetype afterLast = text.crend() - last;
    const qsizetype end =
        std::max<qsizetype>(afterLast, std::clamp<qsizetype>(cursor, 0, text.size()));
    text.remove(cut, end - cut);
    cursor = int(cut);
    return true;
}

} // namespace scoring
