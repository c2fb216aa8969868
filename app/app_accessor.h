#pragma once

#include <memory>

#include "framework/apple_menu_item.h"

class HandleAboutMenu;

// The registered application object.
std::shared_ptr<HandleAboutMenu> App();

// The application menu bar's "AboutZOP" entry.
std::shared_ptr<fw::AppleMenuItem> AboutZOP();
