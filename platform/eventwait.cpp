#include "platform/eventwait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace tarvelo {
namespace {

// How often a wait for a condition looks again.
constexpr int kStepMs = 10;

}  // namespace

void runEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(std::max(milliseconds, 0), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool runEventsUntil(const std::function<bool()>& ready, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        runEventsFor(static_cast<int>(std::min<qint64>(kStepMs, deadline.remainingTime())));
    }
    return true;
}

}  // namespace tarvelo
