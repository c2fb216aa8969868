#pragma once

#include <string>

// The one-line notice along the bottom of the splash window, which is also
// the application's long version text. UTF-8: 53 characters, 54 bytes.
const std::string& NoticeLine();
