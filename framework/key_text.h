#pragma once

#include <optional>
#include <string>

class QKeyEvent;

namespace fw {

// The text under which a key press reaches a KeyDown event, or nothing for a
// key that is not typed. Every key that a field would insert text for is
// typed, whatever its modifiers (Alt+5, AltGr+E), and comes with its text;
// Backspace comes as code 8, Tab as 9, Return and Enter as 13, Escape as 27
// and the function keys as 16, each without Ctrl, Alt or Meta. Cursor and
// editing keys (arrows, Home, End, Delete, page keys), modifier keys alone
// and shortcuts (Ctrl or Ctrl+Shift with a key, the menu bar's and the
// field's own: Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+Z) are not typed keys, so a field
// still moves its cursor and takes its editing shortcuts.
std::optional<std::string> TypedKeyText(const QKeyEvent& event);

// The text under which a key press that reached a window itself (no field
// took it) comes to the window's KeyDown event: every key but a modifier
// pressed alone. A typed key comes as in a field; the cursor keys as 28 to 31
// (left, right, up, down), Home as 1, End as 4, Page Up and Down as 11 and
// 12, Delete as 127, Ctrl with a letter as its control code (Ctrl+A 1); any
// other key, shortcuts and dead keys among them, as 16.
std::optional<std::string> WindowKeyText(const QKeyEvent& event);

}  // namespace fw
