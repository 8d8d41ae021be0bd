#pragma once

namespace tarvelo {

// The keyboard's NumLock state. Where there is no X11 display the state is unknown:
// isOn() answers true so that nobody tries to switch it.
class NumLockService {
public:
    virtual ~NumLockService() = default;
    virtual bool isOn() = 0;
    // Switches NumLock on; false when it could not.
    virtual bool switchOn() = 0;
};

}  // namespace tarvelo
