#pragma once

#include <cstdint>
#include <string>

#include "framework/property.h"
#include "framework/rect_control.h"

class QFont;

namespace fw {

// A control that shows text: its font, text colour and alignment. The font
// named "System" is the platform's standard interface font; font sizes are
// in points of 72 per inch, so a size gives the text's height in pixels at
// any screen resolution, as the layouts were drawn.
class TextControl : public RectControl {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    void SetFontName(const std::string& name);
    void SetFontSize(float size);
    void SetFontUnit(std::uint8_t unit);
    void SetBold(bool value);
    void SetItalic(bool value);
    void SetUnderline(bool value);
    void SetTextColor(Color color);
    // 0 the default (left), 1 left, 2 centre, 3 right.
    void SetTextAlignment(std::int64_t alignment);

    const std::string& FontName() const { return fontName_; }
    float FontSize() const { return fontSize_; }
    bool Bold() const { return bold_; }
    Color TextColor() const { return textColor_; }
    std::int64_t TextAlignment() const { return alignment_; }

  protected:
    // Puts font, colour and alignment on the widget.
    void ApplyTextStyle();
    virtual void ApplyAlignment(int qtAlignment);
    // The font that the stored values ask for.
    QFont StyledFont() const;
    // After the style is on the widget.
    virtual void TextStyleApplied() {}

  private:
    std::string fontName_ = "System";
    float fontSize_ = 0;
    bool bold_ = false, italic_ = false, underline_ = false;
    Color textColor_{0, 0, 0, 0};
    std::int64_t alignment_ = 0;
};

}  // namespace fw
