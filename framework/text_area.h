#pragma once

#include <cstdint>
#include <string>

#include "framework/text_control.h"

class QPlainTextEdit;

namespace fw {

// A text of several lines that wraps at the area's width. CR LF, CR or LF in
// the text each break a line.
class TextArea : public TextControl {
  public:
    // A text area raises none of them: it is read, not typed into, here.
    static constexpr auto kEvents =
        Events(RectControl::kEvents, kFocusEvents, kMouseEvents,
               EventTable<2>{{{"SelChange", "( {class} )"}, {"TextChange", "( {class} )"}}});

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    void Constructor() override;

    // The text as it was given.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    void SetReadOnly(bool value);
    bool ReadOnly() const { return readOnly_; }
    void SetBackgroundColor(Color color);
    void SetHasBorder(bool value);
    void SetMultiLine(bool value);
    void SetHasHorizontalScrollbar(bool value);
    void SetHasVerticalScrollbar(bool value);

    // Never null: NilObjectException when the area has no widget.
    QPlainTextEdit* Area() const;

  private:
    std::string text_;
    bool readOnly_ = false;
};

}  // namespace fw
