#include "simplecombobox.h"

#include "singleline.h"

#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>
#include <QValidator>

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

} // namespace

SimpleComboBox::SimpleComboBox(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListView(this))
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
