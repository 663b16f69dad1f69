#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>

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
            return {u"+1P für Neueinstieg '"_qs + name + u'\'', true};
        }
        if (it->second == std::numeric_limits<qint32>::max())
            return {u"Mehr als 2147483647P nicht möglich."_qs, false};
        ++it->second;
        return {u"+1P für '"_qs + name + u'\'', true};
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
        return {u"-1P für '"_qs + name + u'\'', true};
    }

    Step remove(const QString &name)
    {
        if (name.isEmpty())
            return {};
        const bool found = m_points.erase(name) > 0;
        return {u'\'' + name + (found ? u"' gelöscht"_qs : u"' nicht gefunden"_qs), true};
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
            line += name + u' ' + QString::number(points) + u"P, "_qs;
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
