#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "framework/delegate.h"
#include "framework/object.h"

namespace fw {

class Window;

// Anything a window holds under a name: the visual controls and the timer.
// Its events are hooked one by one, by index in its class's event table.
class Control : public Object {
  public:
    // The events that every drawn control's table begins with.
    static constexpr EventTable<3> kEvents = {
        {{"Close", "( {class} )"}, {"CreatePane", "( {class} )"}, {"Open", "( {class} )"}}};

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    // Makes a new object a working control.
    virtual void Constructor() {}

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    // The window that holds the control, or Nil once it is gone.
    std::shared_ptr<fw::Window> OwnerWindow() const { return window_.lock(); }

    // Called by the window that takes the control in.
    virtual void AttachTo(const std::shared_ptr<fw::Window>& window) { window_ = window; }
    // The holding window has closed: the control stops acting.
    virtual void WindowClosed() {}
    // The holding window's content area has a new size.
    virtual void WindowResized() {}

    // Attaches a delegate to event `index`: an event that the runtime raises
    // for this class, and the delegate's signature text must be the one that
    // the event calls with; RuntimeException otherwise.
    void AddEventHandler(int index, std::shared_ptr<Delegate> delegate);
    std::shared_ptr<Delegate> EventDelegate(int index) const;

  protected:
    // Runs the delegate hooked to event `index`, if any: nothing when no
    // delegate is attached.
    template <class R, class... A>
    std::optional<R> CallHook(int index, A... args) const {
        const std::shared_ptr<Delegate> delegate = EventDelegate(index);
        if (!delegate) {
            return std::nullopt;
        }
        return delegate->Invoke<R, A...>(std::move(args)...);
    }
    template <class... A>
    bool CallVoidHook(int index, A... args) const {
        const std::shared_ptr<Delegate> delegate = EventDelegate(index);
        if (!delegate) {
            return false;
        }
        delegate->Invoke<void, A...>(std::move(args)...);
        return true;
    }
    template <class T>
    std::shared_ptr<T> Self() const {
        return std::static_pointer_cast<T>(std::const_pointer_cast<Object>(shared_from_this()));
    }

  private:
    std::string name_;
    std::weak_ptr<fw::Window> window_;
    std::map<int, std::shared_ptr<Delegate>> hooks_;
};

// Hooks a delegate to a control's event, by the event's index.
void RuntimeAddEventHandler(const std::shared_ptr<Control>& control, int eventIndex,
                            std::shared_ptr<Delegate> delegate);

}  // namespace fw
