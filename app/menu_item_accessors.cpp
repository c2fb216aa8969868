#include "app/menu_item_accessors.h"

#include "app/menu_accessor.h"

#define MENU_ENTRY(Name, Class)                              \
    std::shared_ptr<fw::Class> MenuItemAccessors::Name() {   \
        return MenuEntryOf<fw::Class>(AccessedBar(), #Name); \
    }

MENU_ENTRY(UntitledMenu4, MenuItem)
MENU_ENTRY(WindowMenu, MenuItem)
MENU_ENTRY(UntitledMenu5, AppleMenuItem)
MENU_ENTRY(AboutZOP, AppleMenuItem)
MENU_ENTRY(UntitledMenu6, MenuItem)
MENU_ENTRY(AboutMenuItem, MenuItem)
MENU_ENTRY(ControlMenuItem, MenuItem)
MENU_ENTRY(UntitledMenu0, MenuItem)
MENU_ENTRY(UntitledMenu7, MenuItem)
MENU_ENTRY(EditClear, MenuItem)
MENU_ENTRY(EditPaste, MenuItem)
MENU_ENTRY(EditCopy, MenuItem)
MENU_ENTRY(EditCut, MenuItem)
MENU_ENTRY(UntitledMenu1, MenuItem)
MENU_ENTRY(EditUndo, MenuItem)
MENU_ENTRY(UntitledMenu2, MenuItem)
MENU_ENTRY(UntitledMenu8, MenuItem)
MENU_ENTRY(FileQuit, QuitMenuItem)
MENU_ENTRY(UntitledMenu3, MenuItem)

#undef MENU_ENTRY
