#include "platform/platform.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace Platform {

namespace {

// A window manager answers within a few milliseconds; this long only when it does not answer.
constexpr int kAnswerMilliseconds = 500;

enum Atom { Supported, SupportingWmCheck, RequestFrameExtents, FrameExtents, AtomCount };

std::array<xcb_atom_t, AtomCount> internAtoms(xcb_connection_t *c) {
    static constexpr std::array<const char *, AtomCount> names = {
        "_NET_SUPPORTED", "_NET_SUPPORTING_WM_CHECK", "_NET_REQUEST_FRAME_EXTENTS",
        "_NET_FRAME_EXTENTS"};
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (size_t i = 0; i < names.size(); ++i)
        cookies[i] = xcb_intern_atom(c, 0, uint16_t(strlen(names[i])), names[i]);
    std::array<xcb_atom_t, AtomCount> atoms{};
    for (size_t i = 0; i < names.size(); ++i) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
    }
    return atoms;
}

// The 32-bit values of a property of a window; empty when it has none.
std::vector<uint32_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type) {
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 1024), nullptr);
    std::vector<uint32_t> values;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const uint32_t *>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

// A window manager runs, and it estimates frames for windows not yet shown.
bool estimatesFrames(xcb_connection_t *c, xcb_window_t root,
                     const std::array<xcb_atom_t, AtomCount> &atoms) {
    const auto check = property(c, root, atoms[SupportingWmCheck], XCB_ATOM_WINDOW);
    if (check.size() != 1 ||
        property(c, check[0], atoms[SupportingWmCheck], XCB_ATOM_WINDOW) != check)
        return false;
    const auto supported = property(c, root, atoms[Supported], XCB_ATOM_ATOM);
    return std::find(supported.begin(), supported.end(), atoms[RequestFrameExtents]) !=
           supported.end();
}

} // namespace

// Asked of the window manager through the X protocol library Qt itself runs on, by the
// Extended Window Manager Hints.
QMargins expectedFrame(QWidget *window) {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // An X server keeps its atoms while it runs.
    static const auto atoms = internAtoms(c);
    if (!estimatesFrames(c, root, atoms))
        return {};

    // The window manager writes its estimate into the window's frame extents.
    const auto id = xcb_window_t(window->winId());
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atoms[RequestFrameExtents];
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(c);

    const QDeadlineTimer deadline(kAnswerMilliseconds);
    for (;;) {
        // Left, right, top, bottom, in device pixels.
        const auto extents = property(c, id, atoms[FrameExtents], XCB_ATOM_CARDINAL);
        if (extents.size() == 4) {
            const qreal ratio = window->devicePixelRatio();
            return QMargins(qRound(extents[0] / ratio), qRound(extents[2] / ratio),
                            qRound(extents[1] / ratio), qRound(extents[3] / ratio));
        }
        if (deadline.hasExpired())
            return {};
        QThread::usleep(500);
    }
}

} // namespace Platform
