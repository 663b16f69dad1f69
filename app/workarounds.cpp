#include "app/workarounds.h"

#include "app/session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QList>
#include <QMenu>
#include <QVersionNumber>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Module1 {

QtCommandLine qtCommandLine(int argc, char *argv[])
{
    static char name[] = "wertungsbrett", platform[] = "-platform", x11First[] = "xcb;wayland";
    char *const self = argc > 0 && argv[0] ? argv[0] : name;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {3, {self, platform, x11First, nullptr}};
    return {1, {self, nullptr, nullptr, nullptr}};
}

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
// A message handler is a plain function, so what it holds has to be global.
QList<HeldMessage> heldMessages;
QtMessageHandler previousHandler = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt's own words when no platform can start.
        if (text.contains(u"no Qt platform plugin could be initialized"))
            failForWantOfDisplay();
        passOnStartupMessages();
        previousHandler(type, context, text);
        return;
    }
    heldMessages.append({type, QByteArray(context.category), text});
}

} // namespace

void holdStartupMessages()
{
    previousHandler = qInstallMessageHandler(holdMessage);
    quietStartupBoxes(true);
}

void passOnStartupMessages()
{
    quietStartupBoxes(false);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr
                                                                    : message.category.constData());
        previousHandler(message.type, context, message.text);
    }
}

namespace {

// The bridge posts its copies, never spontaneous, to the window the key first
// went to; a key pressed in an open menu went to the menu's own window.
class LateAltFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || event->spontaneous() || !watched->isWindowType() ||
            static_cast<QKeyEvent *>(event)->key() != Qt::Key_Alt)
            return false;
        const QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        return !menu || watched != menu->windowHandle();
    }
};

} // namespace

void ignoreLateAltPresses(QApplication &application)
{
    application.installEventFilter(new LateAltFilter(&application));
}

void endBeforeWaylandTeardown(int status)
{
    if (QGuiApplication::platformName().startsWith(u"wayland") &&
        QLibraryInfo::version() < QVersionNumber(6, 5)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
}

} // namespace Module1
