#pragma once

#include <memory>
#include <string_view>

#include "framework/object.h"

namespace fw {

// Gives an object the layout values of a property stream, entry by entry in
// stored order. Each key is found, letter case aside, among the properties
// that the object's class and its framework superclasses declare, and its
// declared type gives the value's width. A stream that breaks the format is
// refused whole, before any value is set; a value that its property refuses
// ends the call there. Both raise a RuntimeException that names the key and
// its byte offset.
void SetProperties(const std::shared_ptr<Object>& object, std::string_view stream);

}  // namespace fw
