#pragma once

#include <cstdint>
#include <string>

#include "framework/text_control.h"

class QPushButton;

namespace fw {

// A push button. A mouse press on it runs its MouseDown hook first, with the
// position of the press in the button; the hook's True keeps the press from
// the button.
class PushButton : public TextControl {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    static constexpr auto kEvents =
        Events(RectControl::kEvents, EventTable<5>{{
                                         {"Action", "( {class} )"},
                                         {"GotFocus", "( {class} )"},
                                         {"LostFocus", "( {class} )"},
                                         {"MouseDown", "( {class}, Integer, Integer ) as Boolean"},
                                         {"MouseUp", "( {class}, Integer, Integer )"},
                                     }});
    static constexpr int Action = EventIndex(kEvents, "Action");
    static constexpr int MouseDown = EventIndex(kEvents, "MouseDown");

    void Constructor() override;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetDefault(bool value);
    void SetCancel(bool value);

    // Never null: NilObjectException when the button has no widget.
    QPushButton* Button() const;

    bool HandleMouseDown(std::int64_t x, std::int64_t y) {
        return CallHook<bool>(MouseDown, Self<PushButton>(), x, y).value_or(false);
    }
    void HandleAction() { CallVoidHook(Action, Self<PushButton>()); }
};

}  // namespace fw
