#include "platform/ui/x11keystrokes.h"

#include "platform/ui/x11connection.h"
#include "platform/ui/x11keys.h"

#include <QApplication>
#include <QWidget>

#include <xcb/xtest.h>

#include <array>
#include <vector>

namespace tarvelo {
namespace {

// The left modifier keys, pressed in this order and released the other way round.
constexpr std::array<std::pair<int, int>, 3> kModifierKeys{{{hk::Ctrl, 0xA2}, {hk::Shift, 0xA0}, {hk::Alt, 0xA4}}};

bool hasXTest(xcb_connection_t* connection)
{
    // A request of a missing extension would close the whole connection.
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_test_id);
    return extension && extension->present;
}

}  // namespace

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
    const std::vector<Keystroke> strokes = parseKeystrokes(keys);
    if (strokes.empty())
        return;
    const X11Keyboard keyboard(connection_);
    releaseOurGrab();
    for (const Keystroke& stroke : strokes) {
        const xcb_keycode_t key = keyboard.keycode(stroke.virtualKey);
        if (key == 0)
            continue;
        std::vector<xcb_keycode_t> held;
        for (const auto& [flag, virtualKey] : kModifierKeys)
            if (stroke.modifiers & flag)
                if (const xcb_keycode_t modifier = keyboard.keycode(virtualKey))
                    held.push_back(modifier);
        for (const xcb_keycode_t modifier : held)
            fake(modifier, true);
        fake(key, true);
        fake(key, false);
        for (auto it = held.rbegin(); it != held.rend(); ++it)
            fake(*it, false);
    }
    xcb_flush(connection_);
}

void X11Keystrokes::sendKeyEvent(int virtualKey, int, bool keyUp)
{
    if (!connection_)
        return;
    const xcb_keycode_t key = X11Keyboard(connection_).keycode(virtualKey);
    if (key == 0)
        return;
    releaseOurGrab();
    fake(key, !keyUp);
    xcb_flush(connection_);
}

void X11Keystrokes::closeActiveWindow()
{
    if (QWidget* window = QApplication::activeWindow())
        QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
}

void X11Keystrokes::fake(xcb_keycode_t keycode, bool press)
{
    xcb_test_fake_input(connection_, press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, keycode, XCB_CURRENT_TIME, root_, 0, 0,
                        0);
}

void X11Keystrokes::releaseOurGrab()
{
    // While the user still holds a hotkey, its grab sends every key to this program;
    // synthesised keys must reach the focused one instead.
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
}

}  // namespace tarvelo
