#include "framework/slider.h"

#include <QScopedValueRollback>
#include <QSlider>
#include <algorithm>
#include <limits>

#include "framework/guard.h"
#include "framework/widget_as.h"

namespace fw {
namespace {

int ToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

const ClassRecord& Slider::ClassInfo() {
    static const ClassRecord record({
        .name = "Slider",
        .super = &RectControl::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .raised = {ValueChanged},
        .properties =
            {
                PropertyOf("Value", PropertyType::Integer, &Slider::SetValue),
                PropertyOf("MinimumValue", PropertyType::Integer, &Slider::SetMinimumValue),
                PropertyOf("MaximumValue", PropertyType::Integer, &Slider::SetMaximumValue),
                PropertyOf("LineStep", PropertyType::Integer, &Slider::SetLineStep),
                PropertyOf("PageStep", PropertyType::Integer, &Slider::SetPageStep),
                PropertyOf("AllowLiveScrolling", PropertyType::Boolean,
                           &Slider::SetAllowLiveScrolling),
                KeptProperty("TickMarkStyle", PropertyType::Integer),
            },
    });
    return record;
}

void Slider::Constructor() {
    auto* bar = new QSlider(Qt::Horizontal);
    SetWidget(bar);
    ApplyRange();
    QObject::connect(bar, &QSlider::valueChanged, bar, [this](int value) {
        // Qt holding the position within a range that is still being set is
        // no new position asked for: a later, wider range must still reach it.
        if (!applyingRange_) {
            value_ = value;
        }
        Guard([this] { HandleValueChanged(); });
    });
}

QSlider* Slider::Bar() const {
    return &WidgetAs<QSlider>();
}

std::int64_t Slider::Value() const {
    return Bar()->value();
}

void Slider::SetValue(std::int64_t value) {
    value_ = value;
    ApplyRange();
}

void Slider::SetMinimumValue(std::int64_t value) {
    minimum_ = value;
    ApplyRange();
}

void Slider::SetMaximumValue(std::int64_t value) {
    maximum_ = value;
    ApplyRange();
}

void Slider::ApplyRange() {
    QSlider* bar = Bar();
    const QScopedValueRollback<bool> applying(applyingRange_, true);
    CallQt([&] {
        bar->setRange(ToInt(minimum_), ToInt(std::max(minimum_, maximum_)));
        bar->setValue(ToInt(value_));
    });
}

void Slider::SetLineStep(std::int64_t step) {
    Bar()->setSingleStep(ToInt(step));
}

void Slider::SetPageStep(std::int64_t step) {
    Bar()->setPageStep(ToInt(step));
}

void Slider::SetAllowLiveScrolling(bool value) {
    Bar()->setTracking(value);
}

}  // namespace fw
