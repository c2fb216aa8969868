#pragma once

#include <optional>
#include <string>

namespace fw {

// Why the windows of the platform that the application came up on cannot
// be drawn, or nothing when they can; found out once, at the first call,
// which needs the application to be up. Qt's X11 platform has no image to
// paint into on a display of fewer than 15 bits of colour: every painter
// there stays inactive, and a text field crashes as it draws its cursor.
std::optional<std::string> DrawingProblem();

}  // namespace fw
