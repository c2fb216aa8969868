#include "framework/apple_menu_item.h"

namespace fw {

const ClassRecord& AppleMenuItem::ClassInfo() {
    static const ClassRecord record(
        {.name = "AppleMenuItem", .super = &MenuItem::ClassInfo(), .framework = true});
    return record;
}

}  // namespace fw
