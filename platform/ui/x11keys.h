#pragma once

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdint>
#include <vector>

namespace tarvelo {

// The key symbols of a virtual-key code on X11. The first is the key that is typed for
// it; the others are keys that count as the same one (the keypad's Enter for Enter, the
// keypad's separator for its decimal key on layouts that have one). Empty when the code
// stands for no key.
std::vector<std::uint32_t> keysymsOfVirtualKey(int virtualKey);

// The X modifier mask (Shift, Control, Mod1) of hk::Modifiers flags.
std::uint16_t x11ModifiersOf(int modifiers);

// The keyboard map of the server, read when first asked: key symbols to key codes.
class X11Keyboard {
public:
    explicit X11Keyboard(xcb_connection_t* connection);
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    // Every key code that carries one of the virtual key's symbols, each once.
    std::vector<xcb_keycode_t> keycodes(int virtualKey) const;
    // The key code typed for the virtual key; 0 when the keyboard has none.
    xcb_keycode_t keycode(int virtualKey) const;

private:
    xcb_key_symbols_t* symbols_;
};

// The first screen's root window, where global grabs and synthesised keys go.
xcb_window_t x11Root(xcb_connection_t* connection);

}  // namespace tarvelo
