#include "platform/eventwait.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(RunEventsUntil, EndsWhenTheConditionComesTrueOrAtTheBound)
{
    bool ready = false;
    QTimer::singleShot(30, [&ready] { ready = true; });
    EXPECT_TRUE(runEventsUntil([&ready] { return ready; }, 20000)) << "a timer's change is seen while waiting";

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(runEventsUntil([] { return false; }, 100));
    EXPECT_GE(clock.elapsed(), 95);
}

}  // namespace
