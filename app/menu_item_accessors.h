#pragma once

#include <memory>

#include "framework/apple_menu_item.h"
#include "framework/menu_bar.h"
#include "framework/menu_item.h"
#include "framework/quit_menu_item.h"

// The nineteen accessors through which a window that shows the shared menu
// bar reaches its entries by name; each looks its entry up in the window's
// MenuBar and checks its class. A window without a bar raises
// NilObjectException.
class MenuItemAccessors {
  public:
    virtual ~MenuItemAccessors() = default;

    virtual std::shared_ptr<fw::MenuItem> UntitledMenu4();
    virtual std::shared_ptr<fw::MenuItem> WindowMenu();
    virtual std::shared_ptr<fw::AppleMenuItem> UntitledMenu5();
    virtual std::shared_ptr<fw::AppleMenuItem> AboutZOP();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu6();
    virtual std::shared_ptr<fw::MenuItem> AboutMenuItem();
    virtual std::shared_ptr<fw::MenuItem> ControlMenuItem();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu0();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu7();
    virtual std::shared_ptr<fw::MenuItem> EditClear();
    virtual std::shared_ptr<fw::MenuItem> EditPaste();
    virtual std::shared_ptr<fw::MenuItem> EditCopy();
    virtual std::shared_ptr<fw::MenuItem> EditCut();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu1();
    virtual std::shared_ptr<fw::MenuItem> EditUndo();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu2();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu8();
    virtual std::shared_ptr<fw::QuitMenuItem> FileQuit();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu3();

  protected:
    // The bar the entries are looked up in: the window's own.
    virtual std::shared_ptr<fw::MenuBar> AccessedBar() const = 0;
};
