#pragma once

#include <QDateTime>

namespace tarvelo {

// Wall-clock time. The real one reads the system clock; tests set the time.
class ClockService {
public:
    virtual ~ClockService() = default;
    virtual QDateTime now() const = 0;
};

}  // namespace tarvelo

namespace tarvelo {

class SystemClock final : public ClockService {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace tarvelo
