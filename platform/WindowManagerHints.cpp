#include "WindowManagerHints.h"

#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    auto cookie = xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return atom;
}

bool readExtents(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                 QMargins &out)
{
    auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    bool found = false;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(reply));
        out = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3])); // left, right, top, bottom
        found = true;
    }
    free(reply);
    return found;
}

QMargins requestX11Extents(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return {};
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t request = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE)
        return {};

    QMargins margins;
    if (readExtents(connection, id, extents, margins))
        return margins;

    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    // The window manager answers within a few milliseconds; without one
    // nothing comes and the frame counts as none.
    for (int attempt = 0; attempt < 25; ++attempt) {
        if (readExtents(connection, id, extents, margins))
            return margins;
        QThread::msleep(10);
    }
    return {};
}

} // namespace

QMargins frameExtents(QWidget *window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return {};
    if (window->windowHandle() && window->isVisible())
        return window->windowHandle()->frameMargins();
    return requestX11Extents(window);
}

void setTitleOnlyFrame(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const xcb_atom_t hints = internAtom(connection, "_MOTIF_WM_HINTS");
    enum : uint32_t { Functions = 1, Decorations = 2 };
    enum : uint32_t { FuncResize = 2, FuncMove = 4, FuncClose = 32 };
    enum : uint32_t { DecorBorder = 2, DecorTitle = 8 };
    const uint32_t value[5] = {Functions | Decorations, FuncMove | FuncClose,
                               DecorBorder | DecorTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), hints,
                        hints, 32, 5, value);
    xcb_flush(connection);
}
