#pragma once

#include <memory>

#include "framework/window.h"

namespace AboutWnd {

class AboutWnd;

// The open splash and About window, shown or hidden, or else a new one,
// which shows itself and starts its hand-over timer.
std::shared_ptr<class AboutWnd> AboutWnd();

// The same window as a framework window, for callers that only show or hide it.
std::shared_ptr<fw::Window> AsWindow(const std::shared_ptr<class AboutWnd>& window);

}  // namespace AboutWnd
