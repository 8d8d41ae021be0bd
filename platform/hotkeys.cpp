#include "platform/hotkeys.h"

namespace tarvelo {

HotKeyCombination combinationOfSetHotKey(int code)
{
    const int flags = (code >> 8) & 0xFF;
    int modifiers = 0;
    if (flags & 1)
        modifiers |= hk::Shift;
    if (flags & 2)
        modifiers |= hk::Ctrl;
    if (flags & 4)
        modifiers |= hk::Alt;
    return {modifiers, code & 0xFF};
}

}  // namespace tarvelo
