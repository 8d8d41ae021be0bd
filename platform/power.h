#pragma once

namespace tarvelo {

// Switching the computer off. The real one asks the session's power service; tests record
// the request and never switch anything off.
class PowerService {
public:
    virtual ~PowerService() = default;
    // Asks for an immediate power-off that does not wait for other programs; false when the
    // request was refused or could not be made.
    virtual bool powerOff() = 0;
};

}  // namespace tarvelo
