#include "services/messageboxes.h"

#include <QMessageBox>

namespace services {

namespace {

int exec(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title,
                    QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), buttons,
                    parent);
    box.setTextFormat(Qt::PlainText); // a name in the text is never markup
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

MessageBoxes::Answer QtMessageBoxes::askYesNoCancel(QWidget *parent, const QString &title,
                                                    const QString &text)
{
    switch (exec(parent, QMessageBox::Question, title, text,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtMessageBoxes::inform(QWidget *parent, const QString &title, const QString &text)
{
    exec(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBoxes::tell(QWidget *parent, const QString &title, const QString &text)
{
    exec(parent, QMessageBox::NoIcon, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace services
