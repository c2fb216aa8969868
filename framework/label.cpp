#include "framework/label.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "framework/widget_as.h"

namespace fw {

const ClassRecord& Label::ClassInfo() {
    static const ClassRecord record({
        .name = "Label",
        .super = &TextControl::ClassInfo(),
        .framework = true,
        .events = kEvents,
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
    return &WidgetAs<QLabel>();
}

std::string Label::Caption() const {
    return Shown()->text().toStdString();
}

void Label::SetCaption(const std::string& text) {
    Shown()->setText(QString::fromStdString(text));
    FitText();
}

// Stretched taller with its window, a label keeps its text where the layout
// put it: centred in the height it was given, not in all it has now.
void Label::GeometryChanged() {
    const auto gained = static_cast<int>(std::clamp<std::int64_t>(HeightGained(), 0, 32000));
    Shown()->setContentsMargins(0, 0, 0, gained);
    FitText();
}

void Label::FitText() {
    QLabel* label = Shown();
    if (label->wordWrap()) {
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
