#pragma once

#include "platform/keystrokes.h"

#include <xcb/xcb.h>

namespace tarvelo {

// Keystrokes for the focused window of any program, synthesised through the XTest
// extension on Qt's own connection. Without an X11 display, or on a server without
// XTest, nothing is sent.
class X11Keystrokes final : public KeystrokeService {
public:
    X11Keystrokes();
    bool available() const override { return connection_ != nullptr; }
    void sendKeys(const QString& keys) override;
    void sendKeyEvent(int virtualKey, int scanCode, bool keyUp) override;
    void closeActiveWindow() override;

private:
    void fake(xcb_keycode_t keycode, bool press);
    void releaseOurGrab();

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
};

}  // namespace tarvelo
