#include "platform/ui/x11connection.h"

#include <QGuiApplication>

#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace tarvelo {

xcb_connection_t* x11Connection()
{
    auto* app = qGuiApp;
    if (!app)
        return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

unsigned int x11ModifierMask(xcb_connection_t* connection, unsigned int keysym)
{
    std::unique_ptr<xcb_key_symbols_t, void (*)(xcb_key_symbols_t*)> symbols(
        xcb_key_symbols_alloc(connection), xcb_key_symbols_free);
    if (!symbols)
        return 0;
    std::unique_ptr<xcb_keycode_t, void (*)(void*)> codes(
        xcb_key_symbols_get_keycode(symbols.get(), keysym), std::free);
    if (!codes)
        return 0;

    auto cookie = xcb_get_modifier_mapping(connection);
    std::unique_ptr<xcb_get_modifier_mapping_reply_t, void (*)(void*)> mapping(
        xcb_get_modifier_mapping_reply(connection, cookie, nullptr), std::free);
    if (!mapping)
        return 0;
    const xcb_keycode_t* keys = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int i = 0; i < perModifier; ++i)
            for (const xcb_keycode_t* code = codes.get(); *code != XCB_NO_SYMBOL; ++code)
                if (keys[modifier * perModifier + i] == *code)
                    return 1u << modifier;
    return 0;
}

}  // namespace tarvelo
