#include "services/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace services {

void SystemClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

} // namespace services
