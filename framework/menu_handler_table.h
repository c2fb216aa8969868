#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/delegate.h"

namespace fw {

// Menu handlers ("(  ) as Boolean") registered under the names of menu
// entries, as a window or the application keeps them.
class MenuHandlerTable {
  public:
    // NilObjectException for a Nil handler.
    void Add(const std::string& name, std::shared_ptr<Delegate> handler);
    // The handlers registered under `name`, in registration order.
    std::vector<std::shared_ptr<Delegate>> For(std::string_view name) const;

  private:
    std::vector<std::pair<std::string, std::shared_ptr<Delegate>>> entries_;
};

}  // namespace fw
