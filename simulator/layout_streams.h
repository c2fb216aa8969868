#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

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

// The stream stored under `name` in a window's list of (name, stream) pairs;
// std::out_of_range names the window when there is none.
template <class NamedStreams>
const std::string& StreamNamed(const NamedStreams& streams, std::string_view name,
                               std::string_view window) {
    for (const auto& [entry, stream] : streams) {
        if (entry == name) {
            return stream;
        }
    }
    throw std::out_of_range(std::string(window) + " has no control named \"" + std::string(name) +
                            "\"");
}
