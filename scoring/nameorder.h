#pragma once

#include <QCollator>
#include <QString>

namespace scoring {

// The order of the candidate list: German collation, so that "anna" stands
// beside "Anna" and "Ärger" beside "Anton". Names that collate equal are
// ordered by their character codes, which makes the order total: two names
// compare equal only when they are the same string, on every machine.
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
