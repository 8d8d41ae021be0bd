#pragma once

#include <QChar>
#include <Qt>

namespace tarvelo {

// The platform's virtual-key code of a Qt key (letters and digits are their upper-case
// ASCII codes; keys on the numeric keypad have their own codes). 0 for keys without one.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The character code a window's KeyPress receives for a typed character: the character
// itself when the ANSI code page holds it, "?" otherwise; 0 for Tab and Delete, which move
// the focus or delete and type nothing, as in the system's own text boxes.
int characterCode(QChar c);

// The Shift argument of key and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace tarvelo
