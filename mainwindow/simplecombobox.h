#pragma once

#include <QWidget>

class QAbstractItemModel;
class QKeyEvent;
class QLineEdit;
class QListView;
class QModelIndex;

namespace mainwindow {

// A combo box of the "simple" style: an edit field with its list always open
// below it. Clicking an entry, or moving through the list with Up, Down, Page
// Up and Page Down in the edit field, puts the entry's name (its EditRole, the
// name as stored) into the edit field, selected, and leaves the focus there:
// the list never takes it. Rows show the DisplayRole, elided to the list's
// width. The edit field holds a single line without control characters
// (keepOneLine).
// When the model is reset (the list cleared), the edit field is emptied too.
class SimpleComboBox : public QWidget
{
    Q_OBJECT

public:
    explicit SimpleComboBox(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model);

    QString text() const;

    QLineEdit *lineEdit() const { return m_edit; }
    QListView *listView() const { return m_list; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Makes `index` the list's current entry and fills the edit field with it.
    void pick(const QModelIndex &index);
    // The entry a key moves to, or an invalid index for other keys.
    QModelIndex entryForKey(const QKeyEvent *key) const;

    QLineEdit *m_edit;
    QListView *m_list;
};

} // namespace mainwindow
