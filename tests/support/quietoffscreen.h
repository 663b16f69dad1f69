#pragma once

#include <QtGlobal>

// The offscreen platform warns that it cannot pass a fixed window size on to a
// window manager, which it does not have. Drops that one warning so that test
// logs show only what matters; everything else goes to Qt Test as before.
inline void quietOffscreenPlatform()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                previous(type, context, message);
        });
}
