#pragma once

#include <string>

// The information window's stored layout values as property streams, and the
// text that its one control shows, each built once on first use.

// The window's own stream, applied by its Layout handler after the menu bar.
const std::string& InfoWndWindowStream();

// The stream of the window's read-only text area, "StaticText1".
const std::string& InfoWndTextAreaStream();

// The description, ownership notice, citation line and disclaimer: four
// paragraphs joined by CR LF CR LF, UTF-8, 915 characters in 917 bytes. The
// area wraps the lines itself, so the text holds no other line break.
const std::string& InformationText();
