#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

// The scoring rules written out a second time, as plainly as possible, over a
// std::map: the yardstick that random and fuzzed runs of the real commands
// are compared against.
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
        const auto it = m_points.find(name);
        if (it == m_points.end()) {
            if (m_points.size() >= 32767)
                return {u"Höchstens 32767 Kandidaten möglich."_qs, false};
            m_points.emplace(name, 1);
            return {u"+1P für Neueinstieg '"_qs + closed(name) + u'\'', true};
        }
        if (it->second == std::numeric_limits<qint32>::max())
            return {u"Mehr als 2147483647P nicht möglich."_qs, false};
        ++it->second;
        return {u"+1P für '"_qs + closed(name) + u'\'', true};
    }

    Step minus(const QString &name)
    {
        if (name.isEmpty())
            return {};
        const auto it = m_points.find(name);
        if (it == m_points.end())
            return {std::nullopt, true};
        if (it->second <= 0)
            return {u"Weniger als 0P nicht möglich."_qs, true};
        --it->second;
        return {u"-1P für '"_qs + closed(name) + u'\'', true};
    }

    Step remove(const QString &name)
    {
        if (name.isEmpty())
            return {};
        const bool found = m_points.erase(name) > 0;
        return {u'\'' + closed(name) + (found ? u"' gelöscht"_qs : u"' nicht gefunden"_qs), true};
    }

    Step newQuiz()
    {
        m_points.clear();
        return {u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs, true};
    }

    QString line() const
    {
        if (m_points.empty())
            return {};
        QString line = u"/me --Punkte--  "_qs;
        for (const auto &[name, points] : m_points)
            line += closed(name) + u' ' + QString::number(points) + u"P, "_qs;
        return line;
    }

    // Names in list order.
    QStringList names() const
    {
        QStringList names;
        for (const auto &entry : m_points)
            names << entry.first;
        return names;
    }

    // A name as it stands beside other text: what it leaves open of the
    // directional embeddings and overrides (U+202A/B/D/E, closed by U+202C)
    // and isolates (U+2066 to U+2068, closed by U+2069) closed after it,
    // innermost first. A U+202C with an isolate open inside its embedding, and
    // a pop with nothing to close, do nothing; a U+2069 also closes all that
    // was opened inside its isolate.
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

    qint32 points(const QString &name) const { return m_points.at(name); }
    // Lets a test start a candidate near the ceiling, which no run of single
    // points reaches in reasonable time.
    void setPoints(const QString &name, qint32 points) { m_points.at(name) = points; }

private:
    // German collation, equal collation broken by character codes.
    struct Order
    {
        QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
        bool operator()(const QString &a, const QString &b) const
        {
            const int byCollation = collator.compare(a, b);
            return byCollation != 0 ? byCollation < 0 : a.compare(b) < 0;
        }
    };

    std::map<QString, qint32, Order> m_points;
};
