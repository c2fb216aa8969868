#pragma once

#include <functional>
#include <string>

namespace fw {

// What the runtime does, step by step, for a test to follow: start-up and
// shut-down operations, object creations and registrations, window
// constructions and hooks each report a line.
void SetRuntimeTrace(std::function<void(const std::string&)> trace);
void Trace(const std::string& line);

}  // namespace fw
