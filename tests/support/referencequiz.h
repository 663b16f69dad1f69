#pragma once

#include "scoring/commands.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <limits>

// The scoring rules as plainly as they read: exact names, German collation, ties by code.
class ReferenceQuiz
{
public:
    struct Entry
    {
        QString name;
        qint32 points;
    };

    scoring::Outcome plus(const QString &name)
    {
        Entry *entry = find(name);
        if (name.isEmpty())
            return {};
        if (entry) {
            ++entry->points;
            return {u"+1P für '"_qs + closed(name) + u'\'', true};
        }
        const auto after = [this, &name](const Entry &other) {
            const int order = collator.compare(other.name, name);
            return order != 0 ? order > 0 : other.name > name;
        };
        entries.insert(std::find_if(entries.begin(), entries.end(), after), {name, 1});
        return {u"+1P für Neueinstieg '"_qs + closed(name) + u'\'', true};
    }
    scoring::Outcome minus(const QString &name)
    {
        Entry *entry = find(name);
        if (name.isEmpty() || !entry)
            return {std::nullopt, !name.isEmpty()};
        if (entry->points == 0)
            return {u"Weniger als 0P nicht möglich."_qs, true};
        --entry->points;
        return {u"-1P für '"_qs + closed(name) + u'\'', true};
    }
    scoring::Outcome remove(const QString &name)
    {
        Entry *entry = find(name);
        if (name.isEmpty())
            return {};
        if (!entry)
            return {u'\'' + closed(name) + u"' nicht gefunden"_qs, true};
        entries.removeAt(entry - entries.data());
        return {u'\'' + closed(name) + u"' gelöscht"_qs, true};
    }
    scoring::Outcome newQuiz()
    {
        entries.clear();
        return {u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs, true};
    }
    // The line, or whole entries until it holds at least `length` characters.
    QString line(qsizetype length = std::numeric_limits<qsizetype>::max()) const
    {
        if (entries.isEmpty())
            return {};
        QString line = u"/me --Punkte--  "_qs;
        for (const Entry &entry : entries) {
            if (line.size() >= length)
                break;
            line += closed(entry.name) + u' ' + QString::number(entry.points) + u"P, "_qs;
        }
        return line;
    }

    // A name with the embeddings, overrides and isolates it leaves open closed, innermost first.
    static QString closed(const QString &name)
    {
        QString open; // one closer per open level, innermost last
        for (const QChar c : name) {
            const char16_t u = c.unicode();
            if (u == 0x202A || u == 0x202B || u == 0x202D || u == 0x202E)
                open += QChar(0x202C);
            else if (u == 0x2066 || u == 0x2067 || u == 0x2068)
                open += QChar(0x2069);
            else if (u == 0x202C && open.endsWith(QChar(0x202C)))
                open.chop(1);
            else if (u == 0x2069 && open.contains(QChar(0x2069)))
                open.truncate(open.lastIndexOf(QChar(0x2069)));
        }
        std::reverse(open.begin(), open.end());
        return name + open;
    }

    QList<Entry> entries;

private:
    Entry *find(const QString &name)
    {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&name](const Entry &entry) { return entry.name == name; });
        return found == entries.end() ? nullptr : &*found;
    }
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
};
