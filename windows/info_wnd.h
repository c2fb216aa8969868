#pragma once

#include <memory>
#include <string>

#include "app/menu_item_accessors.h"
#include "framework/text_area.h"
#include "framework/window.h"
#include "windows/info_wnd_accessor.h"
#include "windows/program_window.h"

namespace InfoWnd {

// The information window: a read-only text about the program, its terms and
// how to cite it, under the shared menu bar, whose Copy it switches on.
class InfoWnd : public ProgramWindow, public MenuItemAccessors {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    void Layout() override;
    void CreateControls0() override;

    virtual std::shared_ptr<fw::TextArea> StaticText1();

    virtual void Event_EnableMenuItems();

  protected:
    std::shared_ptr<fw::MenuBar> AccessedBar() const override { return MenuBar(); }
};

}  // namespace InfoWnd
