#include "mainwindow/simplecombobox.h"

#include "mainwindow/singleline.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace mainwindow {

namespace {

// A validator sees every change of the text, however it arrives.
class SingleLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &cursor) const override
    {
        keepOneLine(m_before, input, cursor);
        m_before = input;
        return Acceptable;
    }

private:
    mutable QString m_before; // what the field held after the last change
};

// Leaves the Cut, Copy and Paste shortcuts to the Edit menu, so that each runs
// the same handler once; the context menu keeps Qt's own commands.
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

    // Access keys pass the focus through the menu bar and back; the selection
    // must survive that as it does a mouse's menu, or Cut and Copy find nothing.
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
    m_edit->installEventFilter(this); // Up, Down, Page Up and Page Down pick entries

    m_list->setObjectName(QStringLiteral("list"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true); // keeps a list of 32,767 names quick
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // long names are elided
    // The list, not its viewport, fills the background: scaled by 1.25 or 1.5,
    // the viewport rounds outwards and would paint over the frame's bottom line.
    m_list->setAutoFillBackground(true);
    m_list->setBackgroundRole(QPalette::Base);
    m_list->viewport()->setAutoFillBackground(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_list);

    setFocusProxy(m_edit);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) {
        m_edit->setFocus(Qt::MouseFocusReason); // the name is there to be typed over or copied
        pick(index);
    });
}

bool SimpleComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const QModelIndex entry = entryForKey(static_cast<QKeyEvent *>(event));
        if (entry.isValid()) {
            pick(entry);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A page is the rows shown whole, less one, so that the last stays in sight.
// With no current entry yet, each of these keys picks the first.
QModelIndex SimpleComboBox::entryForKey(const QKeyEvent *key) const
{
    const QAbstractItemModel *model = m_list->model();
    const int count = model ? model->rowCount() : 0;
    if (count == 0 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return {};
    const int rowHeight = qMax(1, m_list->sizeHintForRow(0));
    const int page = qMax(1, m_list->viewport()->height() / rowHeight - 1);
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -page;
        break;
    case Qt::Key_PageDown:
        step = page;
        break;
    default:
        return {};
    }
    const QModelIndex current = m_list->currentIndex();
    const int row = current.isValid() ? std::clamp(current.row() + step, 0, count - 1) : 0;
    return model->index(row, 0);
}

void SimpleComboBox::pick(const QModelIndex &index)
{
    m_list->setCurrentIndex(index); // also scrolls it into sight
    m_edit->setText(index.data(Qt::EditRole).toString());
    m_edit->selectAll();
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

} // namespace mainwindow
