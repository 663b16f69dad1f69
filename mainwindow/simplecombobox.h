#pragma once

#include <QWidget>

class QAbstractItemModel;
class QKeyEvent;
class QLineEdit;
class QListView;
class QModelIndex;

namespace mainwindow {

// A "simple" combo box: an edit field with its list always open below. A click
// or Up, Down, Page Up or Page Down in the field puts the entry's name as stored
// (EditRole) into the field, selected; the list never takes the focus. Rows
// show the DisplayRole, elided. Resetting the model empties the field.
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
    void pick(const QModelIndex &index);
    QModelIndex entryForKey(const QKeyEvent *key) const;

    QLineEdit *m_edit;
    QListView *m_list;
};

} // namespace mainwindow
