#pragma once

#include "platform/keystrokes.h"
#include "platform/messagecore.h"

#include <vector>

namespace tarvelo {

struct HotKeyCombination {
    int modifiers = 0;   // hk::Modifiers
    int virtualKey = 0;  // the platform's virtual-key code
    friend bool operator==(const HotKeyCombination&, const HotKeyCombination&) = default;
};

// One combination for a window: what registerHotKeys claims.
struct HotKeyClaim {
    WindowHandle hWnd = 0;
    int id = 0;
    HotKeyCombination keys;
};

// The combination of a WM_SETHOTKEY code: the virtual key in the low byte, the flags
// Shift 1, Ctrl 2, Alt 4 in the high byte (835 is Ctrl+Shift+C).
HotKeyCombination combinationOfSetHotKey(int code);

// System-wide hotkeys: a combination claimed for a window of the message core reaches it
// as WM_HOTKEY (wParam = the id) while any program has the keyboard focus. The real one
// grabs keys on the X server; tests press them through a fake.
class HotKeyService {
public:
    virtual ~HotKeyService() = default;
    // False where the session offers no global hotkeys at all (no X11 display).
    virtual bool available() const = 0;
    // Claims the combination for (hWnd, id), replacing what that pair held before. False
    // when the combination is not available: another program holds it, or available() is
    // false.
    virtual bool registerHotKey(WindowHandle hWnd, int id, const HotKeyCombination& keys) = 0;
    // Claims each as registerHotKey does, in order; whether each was available. The real
    // one waits for the server once for all of them.
    virtual std::vector<bool> registerHotKeys(const std::vector<HotKeyClaim>& claims)
    {
        std::vector<bool> granted;
        for (const HotKeyClaim& c : claims)
            granted.push_back(registerHotKey(c.hWnd, c.id, c.keys));
        return granted;
    }
    // Releases what (hWnd, id) holds; nothing held is no failure.
    virtual void unregisterHotKey(WindowHandle hWnd, int id) = 0;
};

}  // namespace tarvelo
