#pragma once

#include "app/menu_accessor.h"
#include "framework/menu_bar.h"

namespace Menu {

// The menu bar shared by the application, the simulator and the information
// window: five top-level menus, nineteen entries, each with its own name.
class Menu : public fw::MenuBar {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    // Builds the five top-level menus, first to last.
    void Constructor();

    virtual void Untitled0();
    virtual void Untitled1();
    virtual void Untitled2();
    virtual void Untitled3();
    virtual void Untitled4();
};

}  // namespace Menu
