#include "scoring/roster.h"

#include "scoring/bidi.h"

#include <algorithm>

namespace scoring {

Roster::Roster(QObject *parent) : QAbstractListModel(parent) {}

qsizetype Roster::lowerBound(const QString &name) const
{
    const auto it = std::lower_bound(
        m_entries.cbegin(), m_entries.cend(), name,
        [this](const Entry &entry, const QString &key) { return m_order(entry.name, key); });
    return it - m_entries.cbegin();
}

int Roster::find(const QString &name) const
{
    // The order is total, so equal under it means the very same string.
    const qsizetype position = lowerBound(name);
    if (position < m_entries.size() && m_entries.at(position).name == name)
        return int(position);
    return -1;
}

int Roster::add(const QString &name, qint32 points)
{
    Q_ASSERT(!isFull() && find(name) < 0);
    const int position = int(lowerBound(name));
    beginInsertRows({}, position, position);
    m_entries.insert(position, Entry{name, points});
    endInsertRows();
    return position;
}

void Roster::setPoints(int position, qint32 points)
{
    m_entries[position].points = points;
}

void Roster::remove(int position)
{
    beginRemoveRows({}, position, position);
    m_entries.removeAt(position);
    endRemoveRows();
}

void Roster::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

int Roster::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant Roster::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Entry &entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        // More than a row shows: Qt lays out all of a row's text at every
        // repaint (bench_longnames measures it with a name of 32,767 letters).
        return closeDirectionalRuns(entry.name.left(ShownNameLength));
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return entry.name;
    default:
        return {};
    }
}

} // namespace scoring
