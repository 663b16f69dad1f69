#include "scoring/nameorder.h"

#include <QLocale>

namespace scoring {

NameOrder::NameOrder() : m_collator(QLocale(QLocale::German, QLocale::Germany))
{
    m_collator.setCaseSensitivity(Qt::CaseSensitive);
}

int NameOrder::compare(const QString &a, const QString &b) const
{
    if (const int byCollation = m_collator.compare(a, b); byCollation != 0)
        return byCollation;
    return a.compare(b, Qt::CaseSensitive);
}

} // namespace scoring
