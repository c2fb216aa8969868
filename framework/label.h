#pragma once

#include <string>

#include "framework/text_control.h"

class QLabel;

namespace fw {

// A line of text that the user cannot edit. A one-line caption wider than its
// label is drawn a little smaller rather than cut off: the platform's
// interface font can be wider than the one the layout was drawn with.
class Label : public TextControl {
  public:
    static constexpr auto kEvents = Events(RectControl::kEvents, kMouseEvents);

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    void Constructor() override;

    std::string Caption() const;
    void SetCaption(const std::string& text);
    // The same text as the caption.
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    void SetMultiLine(bool value);
    void SetSelectable(bool value);

    // The widget as it is drawn, its font fitted to the caption now. Never
    // null: NilObjectException when the label has no widget.
    QLabel* Shown() const;

  protected:
    void ApplyAlignment(int qtAlignment) override;
    bool Focusable() const override { return false; }
    void TextStyleApplied() override;
    void GeometryChanged() override;
};

}  // namespace fw
