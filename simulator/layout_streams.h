#pragma once

#include <string>

#include "simulator/layouts.h"

// The property stream of a layout description: every key of the kind, in the
// kind's stored order, each with its value in the width of its declared type.
std::string Stream(const WindowLayout& layout);
std::string Stream(const TextFieldLayout& layout);
std::string Stream(const LabelLayout& layout);
std::string Stream(const RectangleLayout& layout);
std::string Stream(const CanvasLayout& layout);  // Transparent stored twice
std::string Stream(const SliderLayout& layout);
std::string Stream(const PushButtonLayout& layout);
std::string Stream(const TextAreaLayout& layout);
std::string Stream(const TimerLayout& layout);  // RunMode and Period only
