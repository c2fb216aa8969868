#include "framework/timer.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/runtime.h"
#include "framework/set_properties.h"
#include "framework/window.h"
#include "simulator/property_stream_writer.h"
#include "tests/support/control_host.h"

namespace {

class TimerTest : public ControlHostTest {
  protected:
    void SetUp() override {
        ControlHostTest::SetUp();
        window->Show();
    }

    // A timer on the window, counting from now, that notes the time of each
    // of its actions.
    std::shared_ptr<fw::Timer> Start(std::int64_t mode, std::int64_t period) {
        auto timer = Add<fw::Timer>();
        actions.emplace_back();
        auto* noted = &actions.back();
        fw::RuntimeAddEventHandler(
            timer, fw::Timer::Action,
            fw::RuntimeCreateDelegate(std::function<void(std::shared_ptr<fw::Timer>)>(
                                          [this, noted](std::shared_ptr<fw::Timer>) {
                                              noted->push_back(clock.elapsed());
                                          }),
                                      "( Timer )"));
        fw::SetProperties(
            timer,
            PropertyStreamWriter().Integer("RunMode", mode).Integer("Period", period).Bytes());
        return timer;
    }

    QElapsedTimer clock;
    std::deque<std::vector<qint64>> actions;
};

// A period is milliseconds, and a timer never acts before it is over.
TEST_F(TimerTest, ActsOnceAndNeverBeforeItsPeriod) {
    clock.start();
    std::vector<std::int64_t> periods;
    for (std::int64_t period = 100; period < 310; period += 7) {
        Start(fw::Timer::Single, period);
        periods.push_back(period);
    }
    QTest::qWait(450);
    for (std::size_t i = 0; i < periods.size(); ++i) {
        SCOPED_TRACE(periods[i]);
        ASSERT_EQ(actions[i].size(), 1u);
        EXPECT_GE(actions[i][0], periods[i]);
    }
}

// A one-run timer that comes due while its window is hidden is spent: it
// does not act then, nor once the window is shown again.
TEST_F(TimerTest, AOneRunTimerOfAHiddenWindowIsSpent) {
    clock.start();
    const auto timer = Start(fw::Timer::Single, 30);
    window->Hide();
    QTest::qWait(120);
    EXPECT_TRUE(actions[0].empty());
    EXPECT_FALSE(timer->Counting());
    window->Show();
    QTest::qWait(120);
    EXPECT_TRUE(actions[0].empty());
}

// Shown again before it came due, the window gets its timer's action.
TEST_F(TimerTest, AWindowShownAgainBeforeTheTimerComesDueGetsItsAction) {
    clock.start();
    Start(fw::Timer::Single, 60);
    window->Hide();
    window->Show();
    QTest::qWait(200);
    EXPECT_EQ(actions[0].size(), 1u);
}

}  // namespace
