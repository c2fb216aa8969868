#pragma once

#include <optional>
#include <string>

class QKeyEvent;

namespace fw {

// The text under which a key press reaches a KeyDown event, or nothing for a
// key that is not typed: keys that type text come with their character,
// Backspace as code 8, Tab as 9, Return and Enter as 13, Escape as 27 and the
// function keys as 16. Cursor and editing keys (arrows, Home, End, Delete,
// page keys), modifier keys alone and shortcuts made with Ctrl, Alt or Meta
// are not typed keys, so a field still moves its cursor and takes its
// clipboard shortcuts.
std::optional<std::string> TypedKeyText(const QKeyEvent& event);

}  // namespace fw
