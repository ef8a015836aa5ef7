// SPDX-License-Identifier: MIT
#include "host/EmptyTitle.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

void clearX11Title(const QWidget &window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !connection ||
        !window.internalWinId())
        return;
    const auto id = xcb_window_t(window.internalWinId());
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    const xcb_atom_t netName = atom(connection, "_NET_WM_NAME");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, nullptr);
    if (netName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netName, utf8, 8, 0, nullptr);
    xcb_flush(connection);
}

// Shown means created: the native window exists and Qt has titled it.
class TitleClearer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange)
            clearX11Title(*static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

namespace EmptyTitle {

void keep(QWidget &window)
{
    window.installEventFilter(new TitleClearer(&window));
}

} // namespace EmptyTitle
