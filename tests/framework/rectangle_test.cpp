// A rectangle's border covers whole device pixels at any scale: drawn into
// an image with a device pixel ratio, its outermost pixels are border, never
// fill, the border is the thickness times the ratio (rounded) in device
// pixels, and the corners where the two colours meet stay mitred.

#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/color_value.h"
#include "framework/rectangle.h"
#include "tests/support/control_host.h"

namespace {

constexpr int kWidth = 30, kHeight = 20;
const fw::Color kTopLeft{255, 0, 0, 0}, kBottomRight{0, 0, 255, 0}, kFill{0, 255, 0, 0};
// Left in the image wherever the rectangle paints nothing.
const QColor kUnpainted(40, 40, 40);

// Top-left colour T, bottom-right colour B, fill F; anything else is '?'.
char Shade(const QColor& shown) {
    return shown == fw::ToQColor(kTopLeft)       ? 'T'
           : shown == fw::ToQColor(kBottomRight) ? 'B'
           : shown == fw::ToQColor(kFill)        ? 'F'
                                                 : '?';
}

std::string Band(int border, int length) {
    return std::string(border, 'T') + std::string(length - 2 * border, 'F') +
           std::string(border, 'B');
}

// What a frame of w by h device pixels shows with a border of `rings`: a
// pixel's ring is its distance to the nearest edge, and each ring's bottom
// and right lines lie over its top and left ones, which mitres the corners
// where the colours meet.
std::string Framed(int w, int h, int rings) {
    std::string picture;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int toBottomRight = std::min(w - 1 - x, h - 1 - y);
            const int ring = std::min({x, y, toBottomRight});
            picture += ring >= rings ? 'F' : ring == toBottomRight ? 'B' : 'T';
        }
        picture += '\n';
    }
    return picture;
}

class RectangleBorder : public ControlHostTest {};

TEST_F(RectangleBorder, CoversWholeDevicePixelsAtEveryScale) {
    struct Case {
        double ratio;
        double thickness;
        int rings;  // in device pixels
    };
    const Case cases[] = {
        // As the frame has always been drawn.
        {1, 1, 1},
        {1, 3, 3},
        {1, 2.5, 3},
        // 1.5, 4.5 and 3.75 device pixels.
        {1.5, 1, 2},
        {1.5, 3, 5},
        {1.5, 2.5, 4},
        {2, 1, 2},
        {2, 3, 6},
        {2, 2.5, 5},
        {2, std::nan(""), 0},
        // The whole frame: the rings stop at the middle.
        {2, 1e300, kHeight},
    };
    auto frame = Add<fw::Rectangle>();
    frame->SetWidth(kWidth);
    frame->SetHeight(kHeight);
    frame->SetFillColor(kFill);
    frame->SetTopLeftColor(kTopLeft);
    frame->SetBottomRightColor(kBottomRight);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ratio " << c.ratio << ", thickness " << c.thickness);
        frame->SetBorderThickness(c.thickness);
        const int w = static_cast<int>(std::lround(kWidth * c.ratio));
        const int h = static_cast<int>(std::lround(kHeight * c.ratio));
        QImage image(w, h, QImage::Format_ARGB32);
        image.setDevicePixelRatio(c.ratio);
        image.fill(kUnpainted);
        frame->Widget()->render(&image);

        std::string picture, down, across;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                picture += Shade(image.pixelColor(x, y));
            }
            picture += '\n';
            down += Shade(image.pixelColor(w / 2, y));
        }
        for (int x = 0; x < w; ++x) {
            across += Shade(image.pixelColor(x, h / 2));
        }
        // A border out of place shows across the edges at the middle of
        // each side; the whole frame, corners and outermost pixels included,
        // is compared only once those are right, so that it reports only
        // what they cannot.
        EXPECT_EQ(down, Band(std::min(c.rings, h / 2), h));
        if (2 * c.rings < h) {
            EXPECT_EQ(across, Band(c.rings, w));
        }
        if (HasFailure()) {
            continue;
        }
        EXPECT_EQ(picture, Framed(w, h, c.rings));
    }
}

}  // namespace
