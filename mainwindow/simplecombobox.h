#pragma once

#include <QWidget>

class QAbstractItemModel;
class QLineEdit;
class QListView;

namespace mainwindow {

// A combo box of the "simple" style: an edit field with its list always open
// below it. Clicking an entry puts its text into the edit field. The edit
// field holds a single line; a paste or drop of several lines keeps the first.
// When the model is reset (the list cleared), the edit field is emptied too.
class SimpleComboBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText USER true)

public:
    explicit SimpleComboBox(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model);

    QString text() const;
    void setText(const QString &text);

    QLineEdit *lineEdit() const { return m_edit; }
    QListView *listView() const { return m_list; }

private:
    QLineEdit *m_edit;
    QListView *m_list;
};

} // namespace mainwindow
