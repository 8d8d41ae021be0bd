#include "platform/ui/x11numlock.h"

#include "platform/ui/x11connection.h"

// xkb.h names a struct member "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <memory>

namespace tarvelo {
namespace {

constexpr unsigned int kNumLockKeysym = 0xff7f;

// XKB must be announced once per connection before its requests are answered.
bool xkbReady(xcb_connection_t* connection)
{
    auto cookie = xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION);
    std::unique_ptr<xcb_xkb_use_extension_reply_t, void (*)(void*)> reply(
        xcb_xkb_use_extension_reply(connection, cookie, nullptr), std::free);
    return reply && reply->supported;
}

}  // namespace

bool X11NumLock::isOn()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !xkbReady(connection))
        return true;
    const unsigned int mask = x11ModifierMask(connection, kNumLockKeysym);
    if (mask == 0)
        return true;
    auto cookie = xcb_xkb_get_state(connection, XCB_XKB_ID_USE_CORE_KBD);
    std::unique_ptr<xcb_xkb_get_state_reply_t, void (*)(void*)> state(
        xcb_xkb_get_state_reply(connection, cookie, nullptr), std::free);
    return !state || (state->lockedMods & mask) != 0;
}

bool X11NumLock::switchOn()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !xkbReady(connection))
        return false;
    const unsigned int mask = x11ModifierMask(connection, kNumLockKeysym);
    if (mask == 0)
        return false;
    auto cookie = xcb_xkb_latch_lock_state_checked(connection, XCB_XKB_ID_USE_CORE_KBD, mask, mask,
                                                   0, 0, 0, 0, 0);
    std::unique_ptr<xcb_generic_error_t, void (*)(void*)> error(
        xcb_request_check(connection, cookie), std::free);
    return !error;
}

}  // namespace tarvelo
