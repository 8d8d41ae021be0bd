#include "platform/ui/x11putback.h"

#include "platform/ui/x11connection.h"

#include <QAbstractEventDispatcher>
#include <QByteArray>

#include <xcb/xfixes.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

namespace tarvelo {

namespace {

// Managers that look at the clipboard from time to time do so about twice a second.
constexpr xcb_timestamp_t kPutBackMs = 1000;
// Sooner than anyone copies again after the program emptied the clipboard.
constexpr xcb_timestamp_t kAtOnceMs = 100;

template <typename T> using Reply = std::unique_ptr<T, void (*)(void*)>;

}  // namespace

X11PutBackWatch::X11PutBackWatch() : connection_(x11Connection())
{
    if (!connection_)
        return;
    // Qt asks for the clipboard's owner changes for its own clipboard; they all pass through
    // here first.
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection_, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return;
    const char name[] = "CLIPBOARD";
    Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr),
        std::free);
    if (!atom)
        return;
    clipboard_ = atom->atom;
    selectionNotify_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    // Every resource of one client carries the same bits outside this mask; a fresh id of
    // our own shows ours.
    clientMask_ = ~xcb_get_setup(connection_)->resource_id_mask;
    ownClient_ = xcb_generate_id(connection_) & clientMask_;
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->installNativeEventFilter(this);
}

X11PutBackWatch::~X11PutBackWatch()
{
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->removeNativeEventFilter(this);
}

void X11PutBackWatch::emptied()
{
    // X refuses a clear stamped before a copy already made: then no notice of it comes, and
    // the next notice of an empty clipboard is taken for it.
    emptying_ = clipboard_ != XCB_NONE;
    emptiedAt_.reset();
}

bool X11PutBackWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (clipboard_ == XCB_NONE || (event->response_type & 0x7f) != selectionNotify_)
        return false;
    const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    if (notify->selection != clipboard_)
        return false;
    // An empty clipboard holds nothing to take: its notice, which may come only once the
    // clipboard was put back, is no change. The program's own clear comes among them.
    noCopy_ = notify->owner == XCB_NONE;
    if (noCopy_) {
        if (notify->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER && std::exchange(emptying_, false))
            emptiedAt_ = notify->timestamp;
        return false;
    }
    if (!emptiedAt_)
        return false;
    const xcb_timestamp_t since = notify->timestamp - *emptiedAt_;
    const quint32 client = notify->owner & clientMask_;
    noCopy_ =
        since <= kPutBackMs && client != ownClient_ && (since <= kAtOnceMs || client == manager_ || !hasFocus(client));
    if (noCopy_)
        manager_ = client;
    return false;
}

bool X11PutBackWatch::hasFocus(quint32 client) const
{
    Reply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr), std::free);
    return !focus
           || (focus->focus != XCB_NONE && focus->focus != XCB_INPUT_FOCUS_POINTER_ROOT
               && (focus->focus & clientMask_) == client);
}

}  // namespace tarvelo
