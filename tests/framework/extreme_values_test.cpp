// Layout values at the ends of their types reach real widgets without a
// crash, undefined behaviour or a widget left in a state Qt cannot draw:
// the runtime clamps what Qt cannot take.

#include <gtest/gtest.h>
#include <QLabel>
#include <QSlider>
#include <QWidget>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/rectangle.h"
#include "framework/runtime.h"
#include "framework/set_properties.h"
#include "framework/slider.h"
#include "framework/text_area.h"
#include "framework/text_field.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "simulator/property_stream_writer.h"
#include "tests/support/control_host.h"

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

using ExtremeValues = ControlHostTest;

TEST_F(ExtremeValues, GeometryAtTheEndsOfTheIntegerRange) {
    const std::int64_t values[] = {kMin, -1, 0, kMax, 1LL << 40};
    for (const std::int64_t v : values) {
        auto label = Add<fw::Label>("L" + std::to_string(v));
        PropertyStreamWriter stream;
        stream.Integer("Left", v).Integer("Top", v).Integer("Width", v).Integer("Height", v);
        fw::SetProperties(label, stream.Bytes());
        const QRect shown = label->Widget()->geometry();
        EXPECT_GE(shown.width(), 0) << v;
        EXPECT_GE(shown.height(), 0) << v;
        // Draws without a fault; a corner is enough, a label held at the
        // largest size a window can have is a picture of gigabytes.
        label->Widget()->grab(QRect(0, 0, 64, 64));
    }
}

TEST_F(ExtremeValues, FontSizesThatAreNoSize) {
    const float sizes[] = {kNaN, kInf, -kInf, -12, 0, 1e30f, 0.4f};
    for (const float size : sizes) {
        auto label = Add<fw::Label>("F" + std::to_string(static_cast<double>(size)));
        PropertyStreamWriter stream;
        stream.String("Value", "Nerq").Single("FontSize", size).Boolean("Bold", true);
        fw::SetProperties(label, stream.Bytes());
        EXPECT_GT(label->Shown()->font().pixelSize() + label->Shown()->font().pointSize(), 0);
        label->Widget()->grab();
    }
}

TEST_F(ExtremeValues, SliderRangesUpsideDownOrBeyondQt) {
    struct Case {
        std::int64_t value, minimum, maximum;
    };
    const Case cases[] = {{kMax, kMin, kMax}, {5, 10, 0}, {kMin, 0, 0}, {-3, -10, -1}};
    for (const Case& c : cases) {
        auto slider = Add<fw::Slider>("S" + std::to_string(c.value) + std::to_string(c.minimum));
        PropertyStreamWriter stream;
        stream.Integer("Value", c.value)
            .Integer("MinimumValue", c.minimum)
            .Integer("MaximumValue", c.maximum)
            .Integer("LineStep", kMax)
            .Integer("PageStep", kMin);
        fw::SetProperties(slider, stream.Bytes());
        const QSlider* bar = slider->Bar();
        EXPECT_LE(bar->minimum(), bar->maximum());
        EXPECT_GE(slider->Value(), bar->minimum());
        EXPECT_LE(slider->Value(), bar->maximum());
    }
}

TEST_F(ExtremeValues, RectangleBordersAndTimerPeriods) {
    const double thicknesses[] = {std::nan(""), -1e300, 1e300, 3.7};
    for (const double thickness : thicknesses) {
        auto frame = Add<fw::Rectangle>("R" + std::to_string(thickness));
        PropertyStreamWriter stream;
        stream.Integer("Width", 30).Integer("Height", 20).Double("BorderThickness", thickness);
        fw::SetProperties(frame, stream.Bytes());
        frame->Widget()->grab();
    }
    const std::int64_t periods[] = {kMin, -1, 0, kMax};
    for (const std::int64_t period : periods) {
        auto timer = Add<fw::Timer>("T" + std::to_string(period));
        PropertyStreamWriter stream;
        stream.Integer("RunMode", 2).Integer("Period", period);
        fw::SetProperties(timer, stream.Bytes());
        EXPECT_TRUE(timer->Counting());
    }
}

TEST_F(ExtremeValues, WindowSizesAndLongTexts) {
    PropertyStreamWriter stream;
    stream.Integer("Width", kMax)
        .Integer("Height", kMin)
        .Integer("MinimumWidth", kMax)
        .Integer("MaximumWidth", kMin)
        .Boolean("Resizeable", true);
    fw::SetProperties(window, stream.Bytes());
    EXPECT_LE(window->Content()->width(), 32000);

    const std::string longText(200000, '7');
    auto field = Add<fw::TextField>("Field");
    auto area = Add<fw::TextArea>("Area");
    fw::SetProperties(field, PropertyStreamWriter().String("Value", longText).Bytes());
    fw::SetProperties(area, PropertyStreamWriter().String("Value", longText + "\r\n\r").Bytes());
    EXPECT_EQ(field->Text().size(), longText.size());
    EXPECT_TRUE(field->Text() == longText);
    EXPECT_TRUE(area->Text() == longText + "\r\n\r");
}

}  // namespace
