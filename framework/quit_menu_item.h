#pragma once

#include "framework/menu_item.h"

namespace fw {

// The entry that ends the application when chosen, without a handler.
class QuitMenuItem : public MenuItem {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }
};

}  // namespace fw
