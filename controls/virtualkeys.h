#pragma once

#include <Qt>

namespace tarvelo {

// The platform's virtual-key code of a Qt key (letters and digits are their upper-case
// ASCII codes; keys on the numeric keypad have their own codes). 0 for keys without one.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The Shift argument of key and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace tarvelo
