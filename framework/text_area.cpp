#include "framework/text_area.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include "framework/color_value.h"
#include "framework/guard.h"
#include "framework/input_method_gate.h"
#include "framework/widget_as.h"

namespace fw {
namespace {

// The Qt side of a text area. Read-only, it takes no edit by any road: Qt
// keeps typed keys, pastes and drops out of a text that is only selectable,
// the gate keeps out input methods, and undo is off.
using AreaEdit = InputMethodGate<QPlainTextEdit>;

}  // namespace

const ClassRecord& TextArea::ClassInfo() {
    static const ClassRecord record({
        .name = "TextArea",
        .super = &TextControl::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .properties =
            {
                PropertyOf("BackgroundColor", PropertyType::Color, &TextArea::SetBackgroundColor),
                PropertyOf("HasBorder", PropertyType::Boolean, &TextArea::SetHasBorder),
                KeptProperty("Format", PropertyType::String),
                KeptProperty("HideSelection", PropertyType::Boolean),
                KeptProperty("LineHeight", PropertyType::Double),
                KeptProperty("LineSpacing", PropertyType::Double),
                PropertyOf("MultiLine", PropertyType::Boolean, &TextArea::SetMultiLine),
                PropertyOf("HasHorizontalScrollbar", PropertyType::Boolean,
                           &TextArea::SetHasHorizontalScrollbar),
                PropertyOf("HasVerticalScrollbar", PropertyType::Boolean,
                           &TextArea::SetHasVerticalScrollbar),
                KeptProperty("AllowStyledText", PropertyType::Boolean),
                KeptProperty("AllowFocusRing", PropertyType::Boolean),
                PropertyOf("Value", PropertyType::String, &TextArea::SetText),
                KeptProperty("AllowTabs", PropertyType::Boolean),
                KeptProperty("AllowSpellChecking", PropertyType::Boolean),
                KeptProperty("MaximumCharactersAllowed", PropertyType::Integer),
                KeptProperty("ValidationMask", PropertyType::String),
                PropertyOf("ReadOnly", PropertyType::Boolean, &TextArea::SetReadOnly),
                KeptProperty("DataSource", PropertyType::String),
                KeptProperty("DataField", PropertyType::String),
            },
    });
    return record;
}

void TextArea::Constructor() {
    auto* area = new AreaEdit;
    area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetWidget(area);
    ApplyTextStyle();
}

QPlainTextEdit* TextArea::Area() const {
    return &WidgetAs<QPlainTextEdit>();
}

void TextArea::SetText(const std::string& text) {
    text_ = text;
    QString shown = QString::fromStdString(text);
    shown.replace("\r\n", "\n");
    shown.replace('\r', '\n');
    CallQt([&] { Area()->setPlainText(shown); });
}

void TextArea::SetReadOnly(bool value) {
    readOnly_ = value;
    Area()->setReadOnly(value);
    Area()->setUndoRedoEnabled(!value);
    // Read-only text can still be selected, by mouse and keyboard, to copy it.
    Area()->setTextInteractionFlags(value ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                          : Qt::TextEditorInteraction);
}

void TextArea::SetBackgroundColor(Color color) {
    QPalette palette = Area()->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    Area()->setPalette(palette);
}

void TextArea::SetHasBorder(bool value) {
    Area()->setFrameShape(value ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TextArea::SetMultiLine(bool value) {
    Area()->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TextArea::SetHasHorizontalScrollbar(bool value) {
    Area()->setHorizontalScrollBarPolicy(value ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TextArea::SetHasVerticalScrollbar(bool value) {
    Area()->setVerticalScrollBarPolicy(value ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

}  // namespace fw
