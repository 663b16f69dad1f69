#pragma once

#include "scoring/nameorder.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace scoring {

// The candidates of the current quiz with their points, kept in name order.
// The candidate list on screen shows this model; the scoring commands are the
// only code that changes it.
class Roster : public QAbstractListModel
{
    Q_OBJECT

public:
    // The list counts its entries with 16-bit signed numbers.
    static constexpr int MaxCount = 32767;
    // The characters of a name the list's rows are given at most, more than
    // fit their width.
    static constexpr qsizetype ShownNameLength = 512;

    explicit Roster(QObject *parent = nullptr);

    int count() const { return int(m_entries.size()); }
    bool isFull() const { return count() >= MaxCount; }
    const QString &name(int position) const { return m_entries.at(position).name; }
    qint32 points(int position) const { return m_entries.at(position).points; }

    // The position of the entry whose name equals `name` exactly (same length,
    // same character codes), or -1.
    int find(const QString &name) const;

    // Inserts a new entry at its sorted place and returns that place. The name
    // must not be in the roster yet, and the roster must not be full.
    int add(const QString &name, qint32 points);
    // The list shows names only, so a change of points signals nothing.
    void setPoints(int position, qint32 points);
    void remove(int position);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    // The list shows the start of each name that fits a row, closed as above
    // (Qt::DisplayRole); the edit field and the accessibility layer take it
    // as stored (Qt::EditRole, Qt::AccessibleTextRole).
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Entry
    {
        QString name;
        qint32 points;
    };

    // The first position whose name does not sort before `name`.
    qsizetype lowerBound(const QString &name) const;

    NameOrder m_order;
    QList<Entry> m_entries;
};

} // namespace scoring
