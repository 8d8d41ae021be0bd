#include "platform/ui/x11keystrokes.h"

#include "platform/ui/x11connection.h"
#include "platform/ui/x11keys.h"

#include <QApplication>
#include <QWidget>

#include <xcb/xtest.h>

#include <array>
#include <cstdlib>
#include <memory>

namespace tarvelo {
namespace {

// The modifiers in the order they are pressed, released the other way round, each with the
// virtual keys of its left and right key.
struct ModifierKeys {
    int flag;
    std::array<int, 2> virtualKeys;
};
constexpr std::array<ModifierKeys, 3> kModifierKeys{
    {{hk::Ctrl, {0xA2, 0xA3}}, {hk::Shift, {0xA0, 0xA1}}, {hk::Alt, {0xA4, 0xA5}}}};

bool hasXTest(xcb_connection_t* connection)
{
    // A request of a missing extension would close the whole connection.
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_test_id);
    return extension && extension->present;
}

// The keys down on the server's keyboard now, a bit a key code.
using KeysDown = std::array<std::uint8_t, 32>;
KeysDown keysDown(xcb_connection_t* connection)
{
    KeysDown down{};
    std::unique_ptr<xcb_query_keymap_reply_t, void (*)(void*)> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), std::free);
    if (keymap)
        std::copy(std::begin(keymap->keys), std::end(keymap->keys), down.begin());
    return down;
}

bool isDown(const KeysDown& down, xcb_keycode_t code)
{
    return (down[code / 8] >> (code % 8)) & 1;
}

// The key that holds a modifier: the first of its keys that is up, else the first.
xcb_keycode_t modifierKey(const X11Keyboard& keyboard, const KeysDown& down, const ModifierKeys& modifier)
{
    xcb_keycode_t first = 0;
    for (const int virtualKey : modifier.virtualKeys) {
        for (const xcb_keycode_t code : keyboard.keycodes(virtualKey)) {
            if (!isDown(down, code))
                return code;
            if (first == 0)
                first = code;
        }
    }
    return first;
}

}  // namespace

std::vector<X11KeyEvent> x11KeyEvents(xcb_connection_t* connection, const QString& keys)
{
    const std::vector<Keystroke> strokes = parseKeystrokes(keys);
    if (strokes.empty())
        return {};
    const X11Keyboard keyboard(connection);
    const KeysDown down = keysDown(connection);
    std::vector<X11KeyEvent> events;
    for (const Keystroke& stroke : strokes) {
        const xcb_keycode_t key = keyboard.keycode(stroke.virtualKey);
        if (key == 0)
            continue;
        std::vector<xcb_keycode_t> held;
        for (const ModifierKeys& modifier : kModifierKeys)
            if (stroke.modifiers & modifier.flag)
                if (const xcb_keycode_t code = modifierKey(keyboard, down, modifier))
                    held.push_back(code);
        for (const xcb_keycode_t modifier : held)
            events.push_back({true, modifier});
        events.push_back({true, key});
        events.push_back({false, key});
        for (auto it = held.rbegin(); it != held.rend(); ++it)
            events.push_back({false, *it});
    }
    return events;
}

void sendX11KeyEvent(xcb_connection_t* connection, xcb_window_t root, const X11KeyEvent& event)
{
    xcb_test_fake_input(connection, event.press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, event.code, XCB_CURRENT_TIME, root,
                        0, 0, 0);
}

X11Keystrokes::X11Keystrokes()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !hasXTest(connection))
        return;
    connection_ = connection;
    root_ = x11Root(connection);
}

void X11Keystrokes::sendKeys(const QString& keys)
{
    if (!connection_)
        return;
    const std::vector<X11KeyEvent> events = x11KeyEvents(connection_, keys);
    if (events.empty())
        return;
    releaseOurGrab();
    for (const X11KeyEvent& event : events)
        sendX11KeyEvent(connection_, root_, event);
    xcb_flush(connection_);
}

void X11Keystrokes::closeActiveWindow()
{
    if (QWidget* window = QApplication::activeWindow())
        QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
}

void X11Keystrokes::releaseOurGrab()
{
    // While the user still holds a hotkey, its grab sends every key to this program;
    // synthesised keys must reach the focused one instead.
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
}

}  // namespace tarvelo
