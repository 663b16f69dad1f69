#pragma once

#include <QCollator>
#include <QString>

namespace scoring {

// German collation ("anna" beside "Anna", "Ärger" beside "Anton"), then the
// character codes: only the same string compares equal, on every machine.
class NameOrder
{
public:
    NameOrder();

    // < 0, 0 or > 0, like strcmp.
    int compare(const QString &a, const QString &b) const;
    bool operator()(const QString &a, const QString &b) const { return compare(a, b) < 0; }

private:
    QCollator m_collator;
};

} // namespace scoring
