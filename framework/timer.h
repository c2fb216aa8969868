#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/action_source.h"
#include "framework/control.h"

class QTimer;

namespace fw {

// A timer held by a window. Mode 0 is off, mode 1 acts once and mode 2 acts
// again and again, Period milliseconds apart (never sooner), counting from
// when the mode or the period was last set. It acts only while its window is
// shown: coming due while the window is hidden it does nothing, and a one-run
// timer is then spent. A closed window's timer stops.
class Timer : public Control, public ActionSource {
  public:
    Timer();
    ~Timer() override;

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    // A timer is no drawn control: its table is its own, Action first.
    static constexpr EventTable<1> kEvents = {{{"Action", "( {class} )"}}};
    static constexpr int Action = EventIndex(kEvents, "Action");
    enum RunModes : std::int64_t { Off = 0, Single = 1, Multiple = 2 };

    void addActionNotificationReceiver(
        const std::shared_ptr<ActionNotificationReceiver>& receiver) override;
    void removeActionNotificationReceiver(
        const std::shared_ptr<ActionNotificationReceiver>& receiver) override;
    // Starts the count of the period again.
    virtual void Reset();
    // What the timer does when it acts: the Action hook, then the receivers.
    virtual void CallAction();

    std::int64_t RunMode() const { return runMode_; }
    std::int64_t Period() const { return period_; }
    void SetRunMode(std::int64_t mode);
    void SetPeriod(std::int64_t period);
    bool Counting() const;

    void WindowClosed() override;

  private:
    std::unique_ptr<QTimer> timer_;
    std::int64_t runMode_ = Off;
    std::int64_t period_ = 1000;
    std::vector<std::weak_ptr<ActionNotificationReceiver>> receivers_;
};

}  // namespace fw
