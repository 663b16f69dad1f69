#include "app/heldkeys.h"

#include <QGuiApplication>

#include <cstdlib>
// The header names a member `explicit`, a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

// X11 repeats a held key as a release and a press with one time stamp; Qt tells
// them from a real release only when the press is already queued. XKB's
// "detectable auto-repeat" leaves those releases out (Qt has enabled XKB).
void reportRepeatsAsPresses()
{
    // Wayland has no X11 interface; offscreen may have one without a connection.
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_query_extension_reply_t *xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (!xkb || !xkb->present) // a request to a missing extension closes the connection
        return;
    const uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_generic_error_t *error = nullptr;
    std::free(xcb_xkb_per_client_flags_reply(
        connection,
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0),
        &error));
    std::free(error); // then Qt's guess stays, and the filter's
}
