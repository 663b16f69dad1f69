#pragma once

#include "scoring/nameorder.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace scoring {

// The candidates with their points, in name order: the candidate list's model,
// changed only by the scoring commands.
class Roster : public QAbstractListModel
{
    Q_OBJECT

public:
    // The list counts its entries with 16-bit signed numbers.
    static constexpr int MaxCount = 32767;
    static constexpr qsizetype ShownNameLength = 512;

    explicit Roster(QObject *parent = nullptr);

    int count() const { return int(m_entries.size()); }
    bool isFull() const { return count() >= MaxCount; }
    const QString &name(int position) const { return m_entries.at(position).name; }
    qint32 points(int position) const { return m_entries.at(position).points; }

    // The position of the entry named exactly `name`, or -1.
    int find(const QString &name) const;

    // Returns the sorted place; `name` must be new and the roster not full.
    int add(const QString &name, qint32 points);
    // The list shows names only, so a change of points signals nothing.
    void setPoints(int position, qint32 points);
    void remove(int position);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Entry
    {
        QString name;
        qint32 points;
    };

    qsizetype lowerBound(const QString &name) const;

    NameOrder m_order;
    QList<Entry> m_entries;
};

} // namespace scoring
