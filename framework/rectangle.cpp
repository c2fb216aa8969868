#include "framework/rectangle.h"

#include <QPainter>
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
        const int w = width(), h = height();
        const double raw = owner_.BorderThickness();
        // Held before rounding: a thickness beyond what lround can give back
        // would come out as no border instead of the thickest.
        const int border =
            std::isnan(raw) ? 0 : static_cast<int>(std::lround(std::clamp(raw, 0.0, 1000.0)));
        painter.fillRect(rect(), ToQColor(owner_.FillColor()));
        const QColor topLeft = ToQColor(owner_.TopLeftColor());
        const QColor bottomRight = ToQColor(owner_.BottomRightColor());
        for (int i = 0; i < border && i < (std::min(w, h) + 1) / 2; ++i) {
            painter.setPen(topLeft);
            painter.drawLine(i, i, w - 1 - i, i);
            painter.drawLine(i, i, i, h - 1 - i);
            painter.setPen(bottomRight);
            painter.drawLine(i, h - 1 - i, w - 1 - i, h - 1 - i);
            painter.drawLine(w - 1 - i, i, w - 1 - i, h - 1 - i);
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
