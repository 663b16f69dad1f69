#include "mainwindow/statuspanel.h"

#include <QAccessibleWidget>

namespace mainwindow {

namespace {

// The last factory installed is asked first.
QAccessibleInterface *statusPanelInterface(const QString &, QObject *object)
{
    if (auto *panel = qobject_cast<StatusPanel *>(object))
        return new QAccessibleWidget(panel, QAccessible::Notification);
    return nullptr;
}

} // namespace

void StatusPanel::installAccessibility()
{
    QAccessible::installFactory(statusPanelInterface);
}

} // namespace mainwindow
