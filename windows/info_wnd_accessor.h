#pragma once

#include <memory>

#include "framework/window.h"

namespace InfoWnd {

class InfoWnd;

// The open information window, or else a new one, which shows itself.
std::shared_ptr<class InfoWnd> InfoWnd();

// The same window as a framework window, for callers that only show or hide it.
std::shared_ptr<fw::Window> AsWindow(const std::shared_ptr<class InfoWnd>& window);

}  // namespace InfoWnd
