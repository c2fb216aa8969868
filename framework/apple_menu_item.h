#pragma once

#include "framework/menu_item.h"

namespace fw {

// An entry that belongs with the application rather than with a window.
class AppleMenuItem : public MenuItem {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }
};

}  // namespace fw
