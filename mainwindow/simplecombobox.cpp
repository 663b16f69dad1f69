#include "mainwindow/simplecombobox.h"

#include "scoring/singleline.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>
#include <QValidator>

namespace mainwindow {

namespace {

// Keeps the edit field to one line whatever is typed, pasted or dropped: a
// name with a line break would split the standings line in the chat.
class SingleLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &cursor) const override
    {
        scoring::keepFirstLine(input, cursor);
        return Acceptable;
    }
};

// The edit field leaves the shortcuts for Cut, Copy and Paste to the window's
// Edit menu, so that every way to give these commands runs the same handler
// once. Its context menu keeps Qt's own commands.
class SelectionEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
                key->matches(QKeySequence::Paste))
                return QWidget::event(event); // not claimed: the shortcut runs
        }
        return QLineEdit::event(event);
    }

    // Choosing a menu item by its access keys passes the focus through the
    // menu bar and back. The selection must survive that, as it survives a
    // menu opened with the mouse, or Cut and Copy would find nothing.
    void focusOutEvent(QFocusEvent *event) override
    {
        if (event->reason() == Qt::MenuBarFocusReason) {
            QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
            QLineEdit::focusOutEvent(&toMenu);
        } else {
            QLineEdit::focusOutEvent(event);
        }
    }
};

} // namespace

SimpleComboBox::SimpleComboBox(QWidget *parent)
    : QWidget(parent), m_edit(new SelectionEdit(this)), m_list(new QListView(this))
{
    m_edit->setObjectName(QStringLiteral("edit"));
    m_edit->setValidator(new SingleLineValidator(m_edit));
    m_edit->setAccessibleName(tr("Kandidat"));

    m_list->setObjectName(QStringLiteral("list"));
    m_list->setAccessibleName(tr("Kandidatenliste"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true); // keeps a list of 32,767 names quick
    m_list->setTextElideMode(Qt::ElideRight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_list);

    setFocusProxy(m_edit);
    connect(m_list, &QListView::clicked, this,
            [this](const QModelIndex &index) { setText(index.data().toString()); });
}

void SimpleComboBox::setModel(QAbstractItemModel *model)
{
    m_list->setModel(model);
    connect(model, &QAbstractItemModel::modelReset, m_edit, &QLineEdit::clear);
}

QString SimpleComboBox::text() const
{
    return m_edit->text();
}

void SimpleComboBox::setText(const QString &text)
{
    m_edit->setText(text);
}

} // namespace mainwindow
