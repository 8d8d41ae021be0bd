#pragma once

#include "platform/hotkeys.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <xcb/xcb.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace tarvelo {

class X11Keyboard;

// Global hotkeys on X11: each combination is a passive key grab on the root window over
// Qt's own connection, taken once for every state of NumLock and CapsLock, so the locks
// never hide a hotkey. A grabbed press becomes WM_HOTKEY for the window that registered
// it, posted to the event loop, never handled inside Qt's own event reading. Without an
// X11 display nothing is available and nothing is grabbed.
class X11HotKeys final : public HotKeyService, private QAbstractNativeEventFilter {
public:
    X11HotKeys();
    ~X11HotKeys() override;
    X11HotKeys(const X11HotKeys&) = delete;
    X11HotKeys& operator=(const X11HotKeys&) = delete;

    bool available() const override { return connection_ != nullptr; }
    bool registerHotKey(WindowHandle hWnd, int id, const HotKeyCombination& keys) override;
    std::vector<bool> registerHotKeys(const std::vector<HotKeyClaim>& claims) override;
    void unregisterHotKey(WindowHandle hWnd, int id) override;

private:
    struct Grab {
        WindowHandle hWnd;
        int id;
        HotKeyCombination keys;
        std::uint16_t modifiers;
        std::vector<xcb_keycode_t> keycodes;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    std::vector<std::uint16_t> lockVariants() const;
    std::vector<xcb_void_cookie_t> sendGrab(const Grab& g);
    bool granted(const std::vector<xcb_void_cookie_t>& cookies);
    void ungrab(const Grab& g);
    void waitForServer();
    const Grab* grabOf(xcb_keycode_t keycode, std::uint16_t state) const;
    void post(WindowHandle hWnd, int id, const HotKeyCombination& keys);

    // Posted hotkeys are delivered through it, so none arrives after this object is gone.
    QObject receiver_;
    xcb_connection_t* connection_ = nullptr;
    // The server's keyboard map, read once and again after the server says it changed.
    std::unique_ptr<X11Keyboard> keyboard_;
    xcb_window_t root_ = XCB_NONE;
    std::uint16_t numLock_ = 0;
    std::vector<Grab> grabs_;
};

}  // namespace tarvelo
