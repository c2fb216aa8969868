#include "framework/rectangle.h"

#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QTransform>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "framework/color_value.h"
#include "framework/widget_as.h"

namespace fw {
namespace {

class RectangleWidget : public QWidget {
  public:
    explicit RectangleWidget(const Rectangle& owner) : owner_(owner) {
        // Clicks on the frame go to the window, as on the window itself.
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(owner_.FillColor()));
        // Once Qt scales, a one-pixel line at a whole coordinate lies across
        // two device pixels, so the border is filled strips on the device's
        // own pixel grid, as the painter places this widget there: while the
        // widget is rendered into a scaled image its own device pixel ratio
        // is its screen's, not the image's. A painter that turns, shears or
        // mirrors has no such grid: the strips are then logical pixels.
        const QTransform toDevice = painter.deviceTransform();
        const bool onTheGrid =
            toDevice.type() <= QTransform::TxScale && toDevice.m11() > 0 && toDevice.m22() > 0;
        const QTransform grid = onTheGrid ? toDevice : QTransform();
        // Rounded as Qt rounds the edges of the fill, so that the border
        // lies over its outermost pixels.
        const QRectF placed = grid.mapRect(QRectF(rect()));
        const QRect frame(QPoint(qRound(placed.left()), qRound(placed.top())),
                          QPoint(qRound(placed.right()) - 1, qRound(placed.bottom()) - 1));
        painter.setWorldTransform(grid.inverted(), true);

        // Qt scales both axes alike; under any other scale the rings take
        // the mean of the two.
        const double scale = std::sqrt(grid.m11() * grid.m22());
        const int rings = (std::min(frame.width(), frame.height()) + 1) / 2;
        const double raw = owner_.BorderThickness();
        // Held before rounding: a thickness beyond what lround can give back
        // would come out as no border instead of the thickest.
        const double held =
            std::isnan(raw) ? 0 : std::min(std::clamp(raw, 0.0, 1000.0) * scale, 1.0 * rings);
        const int border = static_cast<int>(std::lround(held));
        const QColor topLeft = ToQColor(owner_.TopLeftColor());
        const QColor bottomRight = ToQColor(owner_.BottomRightColor());
        // Each ring's bottom and right strips go over its top and left ones,
        // which mitres the corners where the two colours meet.
        for (int i = 0; i < border; ++i) {
            const QRect ring = frame.adjusted(i, i, -i, -i);
            painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), topLeft);
            painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), topLeft);
            painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), bottomRight);
            painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), bottomRight);
        }
    }

  private:
    const Rectangle& owner_;
};

}  // namespace

const ClassRecord& Rectangle::ClassInfo() {
    static const ClassRecord record({
        .name = "Rectangle",
        .super = &RectControl::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .properties =
            {
                PropertyOf("BorderThickness", PropertyType::Double, &Rectangle::SetBorderThickness),
                PropertyOf("BottomRightColor", PropertyType::Color,
                           &Rectangle::SetBottomRightColor),
                PropertyOf("FillColor", PropertyType::Color, &Rectangle::SetFillColor),
                PropertyOf("TopLeftColor", PropertyType::Color, &Rectangle::SetTopLeftColor),
            },
    });
    return record;
}

void Rectangle::Constructor() {
    SetWidget(new RectangleWidget(*this));
}

void Rectangle::Repaint() {
    WidgetAs<QWidget>().update();
}

void Rectangle::SetFillColor(Color color) {
    fill_ = color;
    Repaint();
}
void Rectangle::SetTopLeftColor(Color color) {
    topLeft_ = color;
    Repaint();
}
void Rectangle::SetBottomRightColor(Color color) {
    bottomRight_ = color;
    Repaint();
}
void Rectangle::SetBorderThickness(double thickness) {
    thickness_ = thickness;
    Repaint();
}

}  // namespace fw
