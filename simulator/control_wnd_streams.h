#pragma once

#include <string>
#include <string_view>
#include <vector>

// The simulator window's stored layout values as property streams, each built
// once on first use.

// The window's own stream, applied by its Layout handler.
const std::string& ControlWndWindowStream();

// The names of the window's 22 controls, in creation order.
const std::vector<std::string>& ControlWndControlNames();

// The stream of the control of that name (matched exactly); std::out_of_range
// for a name that is not one of the window's controls.
const std::string& ControlWndControlStream(std::string_view controlName);
