#pragma once

#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

#include <optional>
#include <utility>

namespace tarvelo {

// Many clipboard managers put the clipboard back as soon as a program empties it: the text
// just taken at once, or their newest history entry at their next look, up to half a second
// later. What comes back within a second of this program's own clear is no copy of the
// user's when it comes from the background, the user copying in the program that has the
// keyboard focus; or when it comes at once, sooner than anyone copies again; or from the
// client that put it back the last time, should the manager's own window have the focus.
// Times are the X server's, so that a program busy for a while after its clear (as at
// start-up) judges the same when it gets round to the notices. Off X11 nothing is a put-back.
class X11PutBackWatch final : public QAbstractNativeEventFilter {
public:
    X11PutBackWatch();
    ~X11PutBackWatch() override;
    X11PutBackWatch(const X11PutBackWatch&) = delete;
    X11PutBackWatch& operator=(const X11PutBackWatch&) = delete;

    // The program has just emptied the clipboard.
    void emptied();
    // Whether the clipboard change being announced now is no copy: a put-back, or the notice
    // of an empty clipboard. Asked once for each change.
    bool takeNoCopy() { return std::exchange(noCopy_, false); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // Whether the keyboard focus is in a window of that client.
    bool hasFocus(quint32 client) const;

    xcb_connection_t* connection_ = nullptr;
    quint8 selectionNotify_ = 0;
    xcb_atom_t clipboard_ = XCB_NONE;
    quint32 clientMask_ = 0;
    quint32 ownClient_ = 0;
    // From the program's clear until the server's notice of it comes.
    bool emptying_ = false;
    // The server's time of the program's latest clear.
    std::optional<xcb_timestamp_t> emptiedAt_;
    // The client that put the clipboard back last.
    quint32 manager_ = 0;
    // The verdict on the change of the event being handled.
    bool noCopy_ = false;
};

}  // namespace tarvelo
