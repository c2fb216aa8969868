#pragma once

#include <memory>

namespace fw {

// Something told each time an action source acts.
class ActionNotificationReceiver {
  public:
    virtual ~ActionNotificationReceiver() = default;
    virtual void PerformAction() = 0;
};

// Something that acts (a timer firing) and tells its receivers.
class ActionSource {
  public:
    virtual ~ActionSource() = default;
    virtual void addActionNotificationReceiver(
        const std::shared_ptr<ActionNotificationReceiver>& receiver) = 0;
    virtual void removeActionNotificationReceiver(
        const std::shared_ptr<ActionNotificationReceiver>& receiver) = 0;
};

}  // namespace fw
