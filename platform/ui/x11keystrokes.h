#pragma once

#include "platform/keystrokes.h"

#include <xcb/xcb.h>

#include <vector>

namespace tarvelo {

// One key of a synthesised keystroke going down or up.
struct X11KeyEvent {
    bool press;
    xcb_keycode_t code;
};

// The key events of a keystroke string as the keyboard stands now. The user may still be
// letting go of a hotkey's own modifiers while they go out, and a key the server sees
// after its modifier went up types a letter: so each modifier is held by a key of its own
// that the user is not holding (the right Ctrl while the left one is down), whose press
// and release are the only ones that count for it.
std::vector<X11KeyEvent> x11KeyEvents(xcb_connection_t* connection, const QString& keys);
// Sends one key event through XTest, unflushed.
void sendX11KeyEvent(xcb_connection_t* connection, xcb_window_t root, const X11KeyEvent& event);

// Keystrokes for the focused window of any program, synthesised through the XTest
// extension on Qt's own connection, each string in one batch. Without an X11 display, or
// on a server without XTest, nothing is sent.
class X11Keystrokes final : public KeystrokeService {
public:
    X11Keystrokes();
    bool available() const override { return connection_ != nullptr; }
    void sendKeys(const QString& keys) override;
    void closeActiveWindow() override;

private:
    void releaseOurGrab();

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
};

}  // namespace tarvelo
