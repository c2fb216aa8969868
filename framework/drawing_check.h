#pragma once

#include <optional>
#include <string>

namespace fw {

// Why the windows of the platform that the application came up on cannot
// be shown, or nothing when they can; found out once, at the first call,
// which needs the application to be up. A platform may come up with no
// screen at all (a framebuffer platform without its device), where Qt would
// abort on the first window; and Qt's X11 platform has no image to paint
// into on a display of fewer than 15 bits of colour, where every painter
// stays inactive and a text field crashes as it draws its cursor.
std::optional<std::string> DrawingProblem();

}  // namespace fw
