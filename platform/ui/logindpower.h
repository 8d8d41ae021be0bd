#pragma once

#include "platform/power.h"

namespace tarvelo {

// Power-off through logind on the system bus (org.freedesktop.login1.Manager.PowerOff),
// the session's own power service: it applies the user's policy, as the desktop's own
// menu does.
class LogindPowerService final : public PowerService {
public:
    bool powerOff() override;
};

}  // namespace tarvelo
