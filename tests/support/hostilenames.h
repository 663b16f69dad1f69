#pragma once

#include <QList>
#include <QString>

#include <utility>

// Names a user may type or paste that a careless program would not show,
// store or find as typed.
inline QList<std::pair<const char *, QString>> hostileNames()
{
    return {
        {"spaces only", QStringLiteral("   ")},
        {"apostrophes", QStringLiteral("O'Brien 'Bob'")},
        {"separator inside", QStringLiteral("Anna 3P, Bernd")},
        {"ampersand", QStringLiteral("Tom & Jerry &&x")},
        {"markup", QStringLiteral("<b>fett</b>")},
        {"image", QStringLiteral("<img src=\"/usr/share/pixmaps/debian-logo.png\">")},
        {"link", QStringLiteral("<a href=\"http://example.invalid\">klick</a>")},
        {"tab, emoji, right-to-left mark", QStringLiteral("A\t🦊 \u200Fשרה\u200E")},
        {"unpaired surrogate", QString(QChar(0xD800)) + u'x'},
        {"NUL", QString(QChar(0)) + QStringLiteral("nul")},
        {"longest", QString(32767, u'W')},
    };
}
