#pragma once

#include "framework/menu_item.h"

namespace fw {

class Window;

// The root of a menu tree: its entries are the top-level menus. One bar can
// serve several windows and the application; each window shows it with Qt
// menus of its own, made from the same entries.
class MenuBar : public MenuItem {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }
};

// Shows the window's MenuBar as the window's Qt menu bar (or removes it when
// the window has none or hides it).
void InstallMenuBar(Window& window);

// What happens before a menu of `window` opens, and before one of its
// shortcuts acts: every entry's Enabled goes back to its AutoEnable, then the
// application's EnableMenuItems runs, then the window's.
void EnableMenuItems(Window& window);

// The user chose `item` in `window`'s bar: the handlers registered under its
// name run, the window's first and then the application's, while each
// returns False; then the entry's standard action, if it has one.
void ChooseMenuItem(Window& window, const std::shared_ptr<MenuItem>& item);

}  // namespace fw
