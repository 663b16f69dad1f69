#include "mainwindow/singleline.h"

#include <algorithm>

namespace mainwindow {

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

bool isControl(QChar c)
{
    return c.unicode() <= 0x001F || (c.unicode() >= 0x007F && c.unicode() <= 0x009F);
}

// Past every break, whatever the cursor says.
qsizetype insertionEnd(const QString &before, const QString &text, int cursor, qsizetype firstBreak)
{
    const auto lastBreak = std::find_if(text.crbegin(), text.crend(), isLineBreak);
    const qsizetype afterBreak = text.crend() - lastBreak;
    if (cursor > firstBreak && cursor < text.size())
        return std::max<qsizetype>(cursor, afterBreak);
    qsizetype shared = 0;
    while (shared < before.size() && shared < text.size() &&
           text.at(text.size() - 1 - shared) == before.at(before.size() - 1 - shared))
        ++shared;
    return std::max(text.size() - shared, afterBreak);
}

} // namespace

void keepOneLine(const QString &before, QString &text, int &cursor)
{
    const auto firstBreak = std::find_if(text.cbegin(), text.cend(), isLineBreak);
    if (firstBreak != text.cend()) {
        const qsizetype cut = firstBreak - text.cbegin();
        text.remove(cut, insertionEnd(before, text, cursor, cut) - cut);
        cursor = int(cut);
    }
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\t')
            text[kept++] = u' ';
        else if (!isControl(c))
            text[kept++] = c;
        else if (kept < cursor)
            --cursor;
    }
    text.truncate(kept);
}

} // namespace mainwindow
