#pragma once

#include "platform/numlock.h"

namespace tarvelo {

// NumLock through XKB on the application's own X connection. Without an X11 display it
// reports NumLock as on and never switches anything.
class X11NumLock final : public NumLockService {
public:
    bool isOn() override;
    bool switchOn() override;
};

}  // namespace tarvelo
