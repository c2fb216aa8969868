#pragma once

#include <cstdint>

#include "framework/rect_control.h"

class QSlider;

namespace fw {

// A horizontal slider over whole positions. Every change of its position,
// by the user or the program, runs its ValueChanged hook.
class Slider : public RectControl {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    static constexpr auto kEvents = Events(RectControl::kEvents, kFocusEvents, kMouseEvents,
                                           EventTable<1>{{{"ValueChanged", "( {class} )"}}});
    static constexpr int ValueChanged = EventIndex(kEvents, "ValueChanged");

    void Constructor() override;

    std::int64_t Value() const;
    void SetValue(std::int64_t value);
    void SetMinimumValue(std::int64_t value);
    void SetMaximumValue(std::int64_t value);
    void SetLineStep(std::int64_t step);
    void SetPageStep(std::int64_t step);
    void SetAllowLiveScrolling(bool value);
    std::int64_t MinimumValue() const { return minimum_; }
    std::int64_t MaximumValue() const { return maximum_; }

    // Never null: NilObjectException when the slider has no widget.
    QSlider* Bar() const;

    void HandleValueChanged() { CallVoidHook(ValueChanged, Self<Slider>()); }

  private:
    void ApplyRange();

    // The position asked for, kept apart from Qt's so that a value set before
    // its range (as the layout does) is not lost to the default range.
    std::int64_t value_ = 0;
    std::int64_t minimum_ = 0, maximum_ = 100;
    bool applyingRange_ = false;
};

}  // namespace fw
