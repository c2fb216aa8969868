#pragma once

#include <cstdint>
#include <memory>

#include "framework/pane_child.h"
#include "framework/timer.h"
#include "framework/weak_ref.h"

namespace AboutWnd {

// The class of the splash window's timer: a Timer that knows, weakly, the
// window holding it.
class wrapper_Timer1 : public fw::Timer, public fw::PaneChild {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    void SetWindow(const std::shared_ptr<fw::Window>& window) override;
    // The holding window, or Nil once it is gone.
    std::shared_ptr<fw::Window> Window() override;
    std::int64_t Index() override { return index_; }
    void SetIndex(std::int64_t index) override { index_ = index; }

    void Constructor() override {}

  private:
    std::int64_t index_ = 0;
    std::shared_ptr<fw::WeakRef> ownerWindow_;
};

}  // namespace AboutWnd
