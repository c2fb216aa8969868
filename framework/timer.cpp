#include "framework/timer.h"

#include <QTimer>
#include <algorithm>
#include <limits>

#include "framework/guard.h"
#include "framework/window.h"

namespace fw {

Timer::Timer() : timer_(std::make_unique<QTimer>()) {
    // A period is milliseconds: Qt's default timer may come up to 5% early.
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        if (runMode_ == Single) {
            timer_->stop();
        }
        // A timer acts for a window on screen. One that comes due while its
        // window is hidden does nothing, and a one-run timer is spent by it:
        // a window hidden early must not come back to act later.
        const std::shared_ptr<fw::Window> window = OwnerWindow();
        if (window && !window->Visible()) {
            return;
        }
        Guard([this] { CallAction(); });
    });
}

Timer::~Timer() = default;

const ClassRecord& Timer::ClassInfo() {
    static const ClassRecord record({
        .name = "Timer",
        .super = &Control::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .raised = {Action},
        .properties =
            {
                PropertyOf("RunMode", PropertyType::Integer, &Timer::SetRunMode),
                PropertyOf("Period", PropertyType::Integer, &Timer::SetPeriod),
            },
    });
    return record;
}

void Timer::addActionNotificationReceiver(
    const std::shared_ptr<ActionNotificationReceiver>& receiver) {
    if (!receiver) {
        throw NilObjectException("a Nil action receiver");
    }
    receivers_.push_back(receiver);
}

void Timer::removeActionNotificationReceiver(
    const std::shared_ptr<ActionNotificationReceiver>& receiver) {
    std::erase_if(receivers_, [&](const std::weak_ptr<ActionNotificationReceiver>& entry) {
        const auto held = entry.lock();
        return !held || held == receiver;
    });
}

void Timer::CallAction() {
    CallVoidHook(Action, Self<Timer>());
    const auto receivers = receivers_;
    for (const auto& entry : receivers) {
        if (const auto receiver = entry.lock()) {
            receiver->PerformAction();
        }
    }
}

void Timer::Reset() {
    timer_->stop();
    if (runMode_ == Single || runMode_ == Multiple) {
        const std::int64_t period =
            std::clamp<std::int64_t>(period_, 0, std::numeric_limits<int>::max());
        timer_->setSingleShot(runMode_ == Single);
        timer_->start(static_cast<int>(period));
    }
}

void Timer::SetRunMode(std::int64_t mode) {
    runMode_ = mode;
    Reset();
}

void Timer::SetPeriod(std::int64_t period) {
    period_ = period;
    Reset();
}

bool Timer::Counting() const {
    return timer_->isActive();
}

void Timer::WindowClosed() {
    timer_->stop();
    runMode_ = Off;
}

}  // namespace fw
