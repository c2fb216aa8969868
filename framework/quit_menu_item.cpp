#include "framework/quit_menu_item.h"

namespace fw {

const ClassRecord& QuitMenuItem::ClassInfo() {
    static const ClassRecord record(
        {.name = "QuitMenuItem", .super = &MenuItem::ClassInfo(), .framework = true});
    return record;
}

}  // namespace fw
