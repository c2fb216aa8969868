#pragma once

#include "framework/property.h"
#include "framework/rect_control.h"

namespace fw {

// A filled frame with a two-tone border: the top and left edges in one
// colour, the bottom and right edges in another.
class Rectangle : public RectControl {
  public:
    static constexpr auto kEvents = Events(RectControl::kEvents, kMouseEvents);

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    void Constructor() override;

    void SetFillColor(Color color);
    void SetTopLeftColor(Color color);
    void SetBottomRightColor(Color color);
    void SetBorderThickness(double thickness);
    Color FillColor() const { return fill_; }
    Color TopLeftColor() const { return topLeft_; }
    Color BottomRightColor() const { return bottomRight_; }
    double BorderThickness() const { return thickness_; }

  protected:
    bool Focusable() const override { return false; }

  private:
    void Repaint();

    Color fill_{255, 255, 255, 0};
    Color topLeft_{0, 0, 0, 0};
    Color bottomRight_{0, 0, 0, 0};
    double thickness_ = 1;
};

}  // namespace fw
