#pragma once

#include <string>
#include <string_view>

// The splash/About window's stored layout values as property streams, each
// built once on first use.

// The window's own stream, applied by its Layout handler.
const std::string& AboutWndWindowStream();

// The stream of the control of that name (matched exactly): "StaticText5",
// "Canvas1", "StaticText1" or "Timer1"; std::out_of_range for any other.
const std::string& AboutWndControlStream(std::string_view controlName);
