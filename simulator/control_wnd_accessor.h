#pragma once

#include <memory>

#include "framework/window.h"

namespace ControlWnd {

class ControlWnd;

// The open simulator window, shown or hidden, or else a new one, which shows
// itself.
std::shared_ptr<class ControlWnd> ControlWnd();

// The same window as a framework window, for callers that only show or hide it.
std::shared_ptr<fw::Window> AsWindow(const std::shared_ptr<class ControlWnd>& window);

}  // namespace ControlWnd
