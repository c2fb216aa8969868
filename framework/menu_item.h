#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/object.h"

namespace fw {

// An entry of a menu bar: a top-level menu or an item in one. Entries are
// addressed by name; a menu holds its entries in the order they were added.
class MenuItem : public Object {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    void Constructor() {}

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    // The caption.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }
    // The shortcut, as "Ctrl+Q"; empty for none.
    const std::string& CommandKey() const { return commandKey_; }
    void SetCommandKey(const std::string& key);
    bool CommandKeyWritten() const { return commandKeyWritten_; }
    // Whether the entry is switched on each time before its menu opens.
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool value) { autoEnable_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }

    // Appends an entry at the end of this menu.
    void AddMenu(const std::shared_ptr<MenuItem>& item);
    // The entry of this menu with that name, or Nil.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    // The entry of that name anywhere below this one, or Nil.
    std::shared_ptr<MenuItem> Lookup(std::string_view name) const;
    const std::vector<std::shared_ptr<MenuItem>>& Children() const { return children_; }

    // Every entry below this one, depth first in menu order.
    std::vector<std::shared_ptr<MenuItem>> Descendants() const;

  private:
    std::string name_;
    std::string text_;
    std::string commandKey_;
    bool commandKeyWritten_ = false;
    bool autoEnable_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

}  // namespace fw
