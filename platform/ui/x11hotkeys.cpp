#include "platform/ui/x11hotkeys.h"

#include "platform/ui/x11connection.h"
#include "platform/ui/x11keys.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tarvelo {
namespace {

constexpr unsigned int kNumLockKeysym = 0xff7f;
// Modifiers that tell combinations apart; the locks and the mouse buttons do not.
constexpr std::uint16_t kCombinationMask =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

}  // namespace

X11HotKeys::X11HotKeys() : connection_(x11Connection())
{
    if (!connection_)
        return;
    root_ = x11Root(connection_);
    keyboard_ = std::make_unique<X11Keyboard>(connection_);
    numLock_ = static_cast<std::uint16_t>(x11ModifierMask(connection_, kNumLockKeysym));
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11HotKeys::~X11HotKeys()
{
    if (!connection_)
        return;
    if (auto* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
    for (const Grab& g : grabs_)
        ungrab(g);
    xcb_flush(connection_);
}

bool X11HotKeys::registerHotKey(WindowHandle hWnd, int id, const HotKeyCombination& keys)
{
    return registerHotKeys({{hWnd, id, keys}}).front();
}

std::vector<bool> X11HotKeys::registerHotKeys(const std::vector<HotKeyClaim>& claims)
{
    // Every grab is sent before any answer is awaited: one round trip for them all.
    std::vector<std::vector<xcb_void_cookie_t>> sent(claims.size());
    for (std::size_t i = 0; i < claims.size(); ++i) {
        const HotKeyClaim& c = claims[i];
        unregisterHotKey(c.hWnd, c.id);
        if (!connection_ || !IsWindow(c.hWnd))
            continue;
        // One combination, one window: a second claim of our own would silently share the grab.
        if (std::any_of(grabs_.begin(), grabs_.end(), [&](const Grab& g) { return g.keys == c.keys; }))
            continue;
        Grab g{c.hWnd, c.id, c.keys, x11ModifiersOf(c.keys.modifiers), keyboard_->keycodes(c.keys.virtualKey)};
        if (g.keycodes.empty())
            continue;
        sent[i] = sendGrab(g);
        grabs_.push_back(std::move(g));
    }
    std::vector<bool> result(claims.size(), false);
    bool released = false;
    for (std::size_t i = 0; i < claims.size(); ++i) {
        if (sent[i].empty())
            continue;
        result[i] = granted(sent[i]);
        if (result[i])
            continue;
        // Another program holds some of it: keep none, or the combination would work only
        // with some lock states. Ungrabbing never touches the other program's grab.
        const auto it = std::find_if(grabs_.begin(), grabs_.end(), [&](const Grab& g) {
            return g.hWnd == claims[i].hWnd && g.id == claims[i].id && g.keys == claims[i].keys;
        });
        if (it != grabs_.end()) {
            ungrab(*it);
            grabs_.erase(it);
            released = true;
        }
    }
    if (released)
        waitForServer();
    return result;
}

void X11HotKeys::unregisterHotKey(WindowHandle hWnd, int id)
{
    const auto it = std::find_if(grabs_.begin(), grabs_.end(),
                                 [&](const Grab& g) { return g.hWnd == hWnd && g.id == id; });
    if (it == grabs_.end())
        return;
    ungrab(*it);
    waitForServer();
    grabs_.erase(it);
}

void X11HotKeys::waitForServer()
{
    // A round trip, not only a flush: once this returns the server has let released keys
    // go, so another program may take them at once.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

std::vector<std::uint16_t> X11HotKeys::lockVariants() const
{
    std::vector<std::uint16_t> variants{0, XCB_MOD_MASK_LOCK};
    if (numLock_ != 0 && numLock_ != XCB_MOD_MASK_LOCK) {
        variants.push_back(numLock_);
        variants.push_back(static_cast<std::uint16_t>(numLock_ | XCB_MOD_MASK_LOCK));
    }
    return variants;
}

std::vector<xcb_void_cookie_t> X11HotKeys::sendGrab(const Grab& g)
{
    std::vector<xcb_void_cookie_t> cookies;
    for (const xcb_keycode_t keycode : g.keycodes)
        for (const std::uint16_t lock : lockVariants())
            cookies.push_back(xcb_grab_key_checked(connection_, 0, root_, static_cast<std::uint16_t>(g.modifiers | lock),
                                                   keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    return cookies;
}

bool X11HotKeys::granted(const std::vector<xcb_void_cookie_t>& cookies)
{
    bool all = true;
    for (const xcb_void_cookie_t cookie : cookies) {
        std::unique_ptr<xcb_generic_error_t, void (*)(void*)> error(xcb_request_check(connection_, cookie),
                                                                    std::free);
        all = all && !error;
    }
    return all;
}

void X11HotKeys::ungrab(const Grab& g)
{
    for (const xcb_keycode_t keycode : g.keycodes)
        for (const std::uint16_t lock : lockVariants())
            xcb_ungrab_key(connection_, keycode, root_, static_cast<std::uint16_t>(g.modifiers | lock));
}

const X11HotKeys::Grab* X11HotKeys::grabOf(xcb_keycode_t keycode, std::uint16_t state) const
{
    const std::uint16_t modifiers = state & kCombinationMask & ~numLock_;
    for (const Grab& g : grabs_)
        if (g.modifiers == modifiers && std::find(g.keycodes.begin(), g.keycodes.end(), keycode) != g.keycodes.end())
            return &g;
    return nullptr;
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & ~0x80;
    if (type == XCB_MAPPING_NOTIFY) {
        keyboard_ = std::make_unique<X11Keyboard>(connection_);
        return false;
    }
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    // Press and release carry the same fields.
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (key->event != root_)
        return false;
    const Grab* g = grabOf(key->detail, key->state);
    if (!g)
        return false;
    if (type == XCB_KEY_PRESS)
        post(g->hWnd, g->id, g->keys);
    return true;
}

void X11HotKeys::post(WindowHandle hWnd, int id, const HotKeyCombination& keys)
{
    // Posted as the platform posts it: the window's procedure may show a message box or
    // let events run, which must not happen inside Qt's reading of the X events.
    QMetaObject::invokeMethod(
        &receiver_,
        [this, hWnd, id, keys] {
            const bool held = std::any_of(grabs_.begin(), grabs_.end(), [&](const Grab& g) {
                return g.hWnd == hWnd && g.id == id && g.keys == keys;
            });
            if (!held)
                return;
            if (!IsWindow(hWnd)) {
                unregisterHotKey(hWnd, id);
                return;
            }
            SendMessage(hWnd, WM_HOTKEY, id, keys.modifiers | (keys.virtualKey << 16));
        },
        Qt::QueuedConnection);
}

}  // namespace tarvelo
