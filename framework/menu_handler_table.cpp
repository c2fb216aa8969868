#include "framework/menu_handler_table.h"

namespace fw {

void MenuHandlerTable::Add(const std::string& name, std::shared_ptr<Delegate> handler) {
    Deref(handler);
    entries_.emplace_back(name, std::move(handler));
}

std::vector<std::shared_ptr<Delegate>> MenuHandlerTable::For(std::string_view name) const {
    std::vector<std::shared_ptr<Delegate>> found;
    for (const auto& [entry, handler] : entries_) {
        if (entry == name) {
            found.push_back(handler);
        }
    }
    return found;
}

}  // namespace fw
