#pragma once

#include <QString>

namespace tarvelo {

// Keystrokes sent to whatever window has the keyboard focus, possibly another program's.
class KeystrokeService {
public:
    virtual ~KeystrokeService() = default;
    // A keystroke string: "^" Ctrl, "+" Shift, "%" Alt before a key, named keys in
    // braces ("{HOME}", "+{END}", "^V", "%{F4}").
    virtual void sendKeys(const QString& keys) = 0;
    // One key event with a virtual-key code and a scan code (the left Ctrl is 0xA2).
    virtual void sendKeyEvent(int virtualKey, int scanCode, bool keyUp) = 0;
    // Asks the program's active window to close through its normal close path, as
    // Alt+F4 does, without sending a keystroke that another program could receive.
    virtual void closeActiveWindow() = 0;
};

}  // namespace tarvelo
