#pragma once

#include <QCollator>
#include <QList>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <optional>

// The scoring rules written out a second time, as plainly as they read: a list
// scanned from start to end with an exact whole-string comparison, kept in
// German collation order (equal collation broken by character codes). The
// yardstick that random and fuzzed runs of the real commands are held to.
class ReferenceQuiz
{
public:
    struct Step
    {
        std::optional<QString> status;
        bool rebuild = false;
    };

    Step plus(const QString &name)
    {
        if (name.isEmpty())
            return {};
        if (Entry *entry = find(name)) {
            if (entry->points == std::numeric_limits<qint32>::max())
                return {QStringLiteral("Mehr als 2147483647P nicht möglich."), false};
            ++entry->points;
            return {QStringLiteral("+1P für '") + name + u'\'', true};
        }
        if (entries.size() == 32767)
            return {QStringLiteral("Höchstens 32767 Kandidaten möglich."), false};
        entries.append({name, 1});
        std::sort(entries.begin(), entries.end(), [this](const Entry &a, const Entry &b) {
            const int order = collator.compare(a.name, b.name);
            return order != 0 ? order < 0 : a.name < b.name;
        });
        return {QStringLiteral("+1P für Neueinstieg '") + name + u'\'', true};
    }

    Step minus(const QString &name)
    {
        if (name.isEmpty())
            return {};
        Entry *entry = find(name);
        if (!entry)
            return {std::nullopt, true};
        if (entry->points == 0)
            return {QStringLiteral("Weniger als 0P nicht möglich."), true};
        --entry->points;
        return {QStringLiteral("-1P für '") + name + u'\'', true};
    }

    Step remove(const QString &name)
    {
        if (name.isEmpty())
            return {};
        Entry *entry = find(name);
        if (!entry)
            return {u'\'' + name + QStringLiteral("' nicht gefunden"), true};
        entries.removeAt(entry - entries.data());
        return {u'\'' + name + QStringLiteral("' gelöscht"), true};
    }

    Step newQuiz()
    {
        entries.clear();
        return {QStringLiteral("Kandidat eingeben und auf \"+1 Punkt\" klicken"), true};
    }

    QString line() const
    {
        QString line = entries.isEmpty() ? QString() : QStringLiteral("/me --Punkte--  ");
        for (const Entry &entry : entries)
            line += entry.name + u' ' + QString::number(entry.points) + QStringLiteral("P, ");
        return line;
    }

    struct Entry
    {
        QString name;
        qint32 points;
    };
    QList<Entry> entries;

private:
    Entry *find(const QString &name)
    {
        for (Entry &entry : entries) {
            if (entry.name.size() == name.size() && entry.name == name)
                return &entry;
        }
        return nullptr;
    }

    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
};
