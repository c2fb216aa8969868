#pragma once

#include <cstdint>
#include <memory>

namespace fw {

class Window;

// What a window tells a control that is not drawn (a timer) about its place:
// the window that holds it, and its index in a control array.
class PaneChild {
  public:
    virtual ~PaneChild() = default;
    virtual void SetWindow(const std::shared_ptr<fw::Window>& window) = 0;
    virtual std::shared_ptr<fw::Window> Window() = 0;
    virtual std::int64_t Index() = 0;
    virtual void SetIndex(std::int64_t index) = 0;
};

}  // namespace fw
