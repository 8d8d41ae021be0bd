#pragma once

#include <xcb/xcb.h>

namespace tarvelo {

// The X connection Qt already holds, or nullptr when the program does not run on X11.
xcb_connection_t* x11Connection();

// The modifier mask that carries a key symbol (NumLock is usually Mod2); 0 when unbound.
unsigned int x11ModifierMask(xcb_connection_t* connection, unsigned int keysym);

}  // namespace tarvelo
