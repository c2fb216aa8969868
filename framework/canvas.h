#pragma once

#include <memory>

#include "framework/rect_control.h"

namespace fw {

class Picture;

// A drawing area that shows its backdrop picture from its top-left corner;
// with no backdrop it shows nothing.
class Canvas : public RectControl {
  public:
    static constexpr auto kEvents =
        Events(RectControl::kEvents, EventTable<7>{{
                                         {"DoubleClick", "( {class}, Integer, Integer )"},
                                         {"GotFocus", "( {class} )"},
                                         {"LostFocus", "( {class} )"},
                                         {"MouseDown", "( {class}, Integer, Integer ) as Boolean"},
                                         {"MouseDrag", "( {class}, Integer, Integer )"},
                                         {"MouseUp", "( {class}, Integer, Integer )"},
                                         {"Paint", "( {class}, Graphics, Rect() )"},
                                     }});

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    void Constructor() override;

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    void SetBackdrop(std::shared_ptr<Picture> picture);
    void SetAllowFocus(bool value);

  protected:
    bool Focusable() const override { return allowFocus_; }

  private:
    std::shared_ptr<Picture> backdrop_;
    bool allowFocus_ = false;
};

}  // namespace fw
