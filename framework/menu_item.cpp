#include "framework/menu_item.h"

#include <algorithm>

namespace fw {

const ClassRecord& MenuItem::ClassInfo() {
    static const ClassRecord record(
        {.name = "MenuItem", .super = &Object::ClassInfo(), .framework = true});
    return record;
}

void MenuItem::SetCommandKey(const std::string& key) {
    commandKey_ = key;
    commandKeyWritten_ = true;
}

void MenuItem::AddMenu(const std::shared_ptr<MenuItem>& item) {
    Deref(item);
    const auto below = item->Descendants();
    if (item.get() == this || std::any_of(below.begin(), below.end(), [this](const auto& entry) {
            return entry.get() == this;
        })) {
        throw RuntimeException("the menu entry \"" + item->Name() + "\" cannot hold its own menu");
    }
    children_.push_back(item);
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) {
            return child;
        }
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) {
            return child;
        }
        if (auto found = child->Lookup(name)) {
            return found;
        }
    }
    return nullptr;
}

std::vector<std::shared_ptr<MenuItem>> MenuItem::Descendants() const {
    std::vector<std::shared_ptr<MenuItem>> all;
    for (const auto& child : children_) {
        all.push_back(child);
        const auto below = child->Descendants();
        all.insert(all.end(), below.begin(), below.end());
    }
    return all;
}

}  // namespace fw
