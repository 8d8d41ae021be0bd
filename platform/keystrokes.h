#pragma once

#include <QString>

#include <vector>

namespace tarvelo {

// Modifier flags of a key combination.
namespace hk {
enum Modifiers : int { Alt = 1, Ctrl = 2, Shift = 4 };
}  // namespace hk

// One key of a keystroke string, with the modifiers held around it.
struct Keystroke {
    int virtualKey = 0;
    int modifiers = 0;  // hk::Modifiers
    friend bool operator==(const Keystroke&, const Keystroke&) = default;
};

// The keys of a keystroke string: "^" Ctrl, "+" Shift, "%" Alt before a letter, a digit, a
// blank or a named key in braces ("{HOME}", "+{END}", "^V", "%{F4}"). A string with
// anything else in it gives no keys at all, so that half a command is never typed.
std::vector<Keystroke> parseKeystrokes(const QString& keys);

// Keystrokes sent to whatever window has the keyboard focus, possibly another program's.
class KeystrokeService {
public:
    virtual ~KeystrokeService() = default;
    // False where keys cannot reach other programs (no X11 display).
    virtual bool available() const { return true; }
    // A keystroke string (parseKeystrokes).
    virtual void sendKeys(const QString& keys) = 0;
    // Asks the program's active window to close through its normal close path, as
    // Alt+F4 does, without sending a keystroke that another program could receive.
    virtual void closeActiveWindow() = 0;
};

}  // namespace tarvelo
