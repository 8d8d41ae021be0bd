#include "platform/ui/x11keys.h"

#include "platform/keystrokes.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tarvelo {
namespace {

struct KeyTable {
    int virtualKey;
    std::uint32_t keysym;
};

// Keys with one symbol each; ranges (digits, letters, keypad digits, F keys) are computed.
constexpr KeyTable kKeys[] = {
    {0x08, 0xff08}, {0x09, 0xff09}, {0x0D, 0xff0d}, {0x1B, 0xff1b}, {0x20, 0x0020},
    {0x21, 0xff55}, {0x22, 0xff56}, {0x23, 0xff57}, {0x24, 0xff50}, {0x25, 0xff51},
    {0x26, 0xff52}, {0x27, 0xff53}, {0x28, 0xff54}, {0x2D, 0xff63}, {0x2E, 0xffff},
    {0x6A, 0xffaa}, {0x6B, 0xffab}, {0x6C, 0xffac}, {0x6D, 0xffad}, {0x6E, 0xffae},
    {0x6F, 0xffaf}, {0x90, 0xff7f},
    {0x10, 0xffe1}, {0x11, 0xffe3}, {0x12, 0xffe9},
    {0xA0, 0xffe1}, {0xA1, 0xffe2}, {0xA2, 0xffe3}, {0xA3, 0xffe4}, {0xA4, 0xffe9}, {0xA5, 0xffea},
};

constexpr std::uint32_t kKeypadEnter = 0xff8d;
constexpr std::uint32_t kKeypadSeparator = 0xffac;

}  // namespace

std::vector<std::uint32_t> keysymsOfVirtualKey(int vk)
{
    if (vk >= '0' && vk <= '9')
        return {static_cast<std::uint32_t>(vk)};
    if (vk >= 'A' && vk <= 'Z')
        return {static_cast<std::uint32_t>(vk - 'A' + 'a')};
    if (vk >= 0x60 && vk <= 0x69)
        return {0xffb0u + static_cast<std::uint32_t>(vk - 0x60)};
    if (vk >= 0x70 && vk <= 0x7B)
        return {0xffbeu + static_cast<std::uint32_t>(vk - 0x70)};
    for (const KeyTable& key : kKeys) {
        if (key.virtualKey != vk)
            continue;
        if (vk == 0x0D)
            return {key.keysym, kKeypadEnter};
        if (vk == 0x6E)
            return {key.keysym, kKeypadSeparator};
        return {key.keysym};
    }
    return {};
}

std::uint16_t x11ModifiersOf(int modifiers)
{
    std::uint16_t mask = 0;
    if (modifiers & hk::Shift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & hk::Ctrl)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & hk::Alt)
        mask |= XCB_MOD_MASK_1;
    return mask;
}

X11Keyboard::X11Keyboard(xcb_connection_t* connection)
    : symbols_(connection ? xcb_key_symbols_alloc(connection) : nullptr)
{
}

X11Keyboard::~X11Keyboard()
{
    if (symbols_)
        xcb_key_symbols_free(symbols_);
}

std::vector<xcb_keycode_t> X11Keyboard::keycodes(int virtualKey) const
{
    std::vector<xcb_keycode_t> result;
    if (!symbols_)
        return result;
    for (const std::uint32_t keysym : keysymsOfVirtualKey(virtualKey)) {
        std::unique_ptr<xcb_keycode_t, void (*)(void*)> codes(
            xcb_key_symbols_get_keycode(symbols_, keysym), std::free);
        for (const xcb_keycode_t* code = codes.get(); code && *code != XCB_NO_SYMBOL; ++code)
            if (std::find(result.begin(), result.end(), *code) == result.end())
                result.push_back(*code);
    }
    return result;
}

xcb_keycode_t X11Keyboard::keycode(int virtualKey) const
{
    const std::vector<xcb_keycode_t> codes = keycodes(virtualKey);
    return codes.empty() ? 0 : codes.front();
}

xcb_window_t x11Root(xcb_connection_t* connection)
{
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    return screens.rem > 0 ? screens.data->root : XCB_NONE;
}

}  // namespace tarvelo
