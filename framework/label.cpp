#include "framework/label.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace fw {

const ClassRecord& Label::ClassInfo() {
    static const ClassRecord record({
        .name = "Label",
        .super = &TextControl::ClassInfo(),
        .framework = true,
        .events = MouseEvents(),
        .properties =
            {
                PropertyOf("MultiLine", PropertyType::Boolean, &Label::SetMultiLine),
                PropertyOf("Selectable", PropertyType::Boolean, &Label::SetSelectable),
                PropertyOf("Value", PropertyType::String, &Label::SetCaption),
                KeptProperty("DataSource", PropertyType::String),
                KeptProperty("DataField", PropertyType::String),
            },
    });
    return record;
}

void Label::Constructor() {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    SetWidget(label);
    ApplyTextStyle();
}

QLabel* Label::Shown() const {
    return static_cast<QLabel*>(Widget());
}

std::string Label::Caption() const {
    return Shown()->text().toStdString();
}

void Label::SetCaption(const std::string& text) {
    Shown()->setText(QString::fromStdString(text));
    FitText();
}

void Label::FitText() {
    QLabel* label = Shown();
    if (!label || label->wordWrap()) {
        return;
    }
    QFont font = StyledFont();
    const int wanted = font.pixelSize();
    if (wanted > 0) {
        const int smallest = std::max(1, wanted * 6 / 10);
        const int room = label->width();
        int size = wanted;
        while (size > smallest && QFontMetrics(font).horizontalAdvance(label->text()) > room) {
            font.setPixelSize(--size);
        }
    }
    label->setFont(font);
}

void Label::SetMultiLine(bool value) {
    Shown()->setWordWrap(value);
}

void Label::SetSelectable(bool value) {
    Shown()->setTextInteractionFlags(value ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

void Label::ApplyAlignment(int qtAlignment) {
    Shown()->setAlignment(static_cast<Qt::Alignment>(qtAlignment));
}

}  // namespace fw
