#include "framework/text_control.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>
#include <cmath>

#include "framework/color_value.h"
#include "framework/widget_as.h"

namespace fw {

const ClassRecord& TextControl::ClassInfo() {
    static const ClassRecord record({
        .name = "TextControl",
        .super = &RectControl::ClassInfo(),
        .framework = true,
        .properties =
            {
                PropertyOf("FontName", PropertyType::String, &TextControl::SetFontName),
                PropertyOf("FontSize", PropertyType::Single, &TextControl::SetFontSize),
                PropertyOf("FontUnit", PropertyType::FontUnits, &TextControl::SetFontUnit),
                PropertyOf("Bold", PropertyType::Boolean, &TextControl::SetBold),
                PropertyOf("Italic", PropertyType::Boolean, &TextControl::SetItalic),
                PropertyOf("Underline", PropertyType::Boolean, &TextControl::SetUnderline),
                PropertyOf("TextColor", PropertyType::Color, &TextControl::SetTextColor),
                PropertyOf("TextAlignment", PropertyType::Integer, &TextControl::SetTextAlignment),
            },
    });
    return record;
}

void TextControl::SetFontName(const std::string& name) {
    fontName_ = name;
    ApplyTextStyle();
}
void TextControl::SetFontSize(float size) {
    fontSize_ = size;
    ApplyTextStyle();
}
void TextControl::SetFontUnit(std::uint8_t unit) {
    Store("FontUnit", unit);
}
void TextControl::SetBold(bool value) {
    bold_ = value;
    ApplyTextStyle();
}
void TextControl::SetItalic(bool value) {
    italic_ = value;
    ApplyTextStyle();
}
void TextControl::SetUnderline(bool value) {
    underline_ = value;
    ApplyTextStyle();
}
void TextControl::SetTextColor(Color color) {
    textColor_ = color;
    ApplyTextStyle();
}
void TextControl::SetTextAlignment(std::int64_t alignment) {
    alignment_ = alignment;
    ApplyTextStyle();
}

void TextControl::ApplyAlignment(int) {}

QFont TextControl::StyledFont() const {
    QFont font = (fontName_ == "System" || fontName_.empty())
                     ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                     : QFont(QString::fromStdString(fontName_));
    if (std::isfinite(fontSize_) && fontSize_ > 0 && fontSize_ < 1000) {
        font.setPixelSize(static_cast<int>(std::lround(fontSize_)));
    }
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    return font;
}

void TextControl::ApplyTextStyle() {
    QWidget& widget = WidgetAs<QWidget>();
    widget.setFont(StyledFont());

    QPalette palette = widget.palette();
    const QColor color = ToQColor(textColor_);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget.setPalette(palette);

    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment_ == 2) {
        horizontal = Qt::AlignHCenter;
    } else if (alignment_ == 3) {
        horizontal = Qt::AlignRight;
    }
    ApplyAlignment(static_cast<int>(horizontal | Qt::AlignVCenter));
    TextStyleApplied();
}

}  // namespace fw
