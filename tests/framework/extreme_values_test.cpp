// Layout values at the ends of their types reach real widgets without a
// crash, undefined behaviour or a widget left in a state Qt cannot draw:
// the runtime clamps what Qt cannot take.

#include <gtest/gtest.h>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
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
#include "framework/color_value.h"
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

// A size that is no size, or more than any screen shows, leaves the label
// at the size of its font as if no size were given; one that rounds to a
// whole pixel in between is the label's size.
TEST_F(ExtremeValues, FontSizesThatAreNoSize) {
    const QFont unsized = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    struct Case {
        float size;
        int pixels;  // 0: the font's own size
    };
    const Case cases[] = {{kNaN, 0},  {kInf, 0}, {-kInf, 0}, {-12, 0}, {0, 0},   {0.4f, 0},
                          {1e30f, 0}, {1000, 0}, {5000, 0},  {12, 12}, {0.6f, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        auto label = Add<fw::Label>("F" + std::to_string(static_cast<double>(c.size)));
        PropertyStreamWriter stream;
        stream.String("Value", "Nerq").Single("FontSize", c.size).Boolean("Bold", true);
        fw::SetProperties(label, stream.Bytes());
        const QFont font = label->Shown()->font();
        if (c.pixels == 0) {
            EXPECT_EQ(font.pixelSize(), unsized.pixelSize());
            EXPECT_EQ(font.pointSizeF(), unsized.pointSizeF());
        } else {
            EXPECT_EQ(font.pixelSize(), c.pixels);
        }
        EXPECT_TRUE(font.bold());
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

// A frame of 30 by 20 pixels with its border in the top-left colour (T) above
// and to the left, in the bottom-right colour (B) below and to the right, and
// the fill (F) within: the thickness rounded to whole pixels, none for NaN or
// less than nothing, and a border thicker than half the frame fills it.
TEST_F(ExtremeValues, RectangleBordersAndTimerPeriods) {
    constexpr int kWidth = 30, kHeight = 20;
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double thickness;
        int border;  // in pixels; kHeight / 2 is the whole frame
    };
    const Case cases[] = {{std::nan(""), 0}, {-inf, 0},   {-1e300, 0}, {-2, 0}, {0.4, 0}, {1, 1},
                          {3.7, 4},          {1e300, 10}, {inf, 10}};
    const fw::Color topLeft{255, 0, 0, 0}, bottomRight{0, 0, 255, 0}, fill{0, 255, 0, 0};
    const auto colour = [&](QColor shown) {
        return shown == fw::ToQColor(topLeft)       ? 'T'
               : shown == fw::ToQColor(bottomRight) ? 'B'
               : shown == fw::ToQColor(fill)        ? 'F'
                                                    : '?';
    };
    const auto band = [](int border, int length) {
        return std::string(border, 'T') + std::string(length - 2 * border, 'F') +
               std::string(border, 'B');
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thickness);
        auto frame = Add<fw::Rectangle>("R" + std::to_string(c.thickness));
        PropertyStreamWriter stream;
        stream.Integer("Width", kWidth)
            .Integer("Height", kHeight)
            .Double("BorderThickness", c.thickness)
            .Color("BottomRightColor", bottomRight)
            .Color("FillColor", fill)
            .Color("TopLeftColor", topLeft);
        fw::SetProperties(frame, stream.Bytes());
        const QImage shown = frame->Widget()->grab().toImage();
        ASSERT_EQ(shown.size(), QSize(kWidth, kHeight));
        std::string down, across;
        for (int y = 0; y < kHeight; ++y) {
            down += colour(shown.pixelColor(kWidth / 2, y));
        }
        for (int x = 0; x < kWidth; ++x) {
            across += colour(shown.pixelColor(x, kHeight / 2));
        }
        EXPECT_EQ(down, band(c.border, kHeight));
        // Across the middle, where a border of the whole frame is where the
        // edges meet.
        if (2 * c.border < kHeight) {
            EXPECT_EQ(across, band(c.border, kWidth));
        }
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
