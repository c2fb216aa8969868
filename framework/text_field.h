#pragma once

#include <cstdint>
#include <string>

#include "framework/text_control.h"

class QLineEdit;

namespace fw {

// A one-line text field. Typed keys reach its KeyDown hook first, which can
// refuse them; every change of its text, typed or set by the program, runs
// its TextChange hook before the change returns.
class TextField : public TextControl {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    static constexpr auto kEvents =
        Events(RectControl::kEvents, kFocusEvents, kMouseEvents,
               EventTable<2>{{{"SelChange", "( {class} )"}, {"TextChange", "( {class} )"}}});
    static constexpr int TextChange = EventIndex(kEvents, "TextChange");

    void Constructor() override;

    std::string Text() const;
    // Runs the TextChange hook when the text changes. The validation mask and
    // the character limit hold for every edit by the user, not for a text
    // that the program sets.
    void SetText(const std::string& text);

    void SetBackgroundColor(Color color);
    void SetHasBorder(bool value);
    void SetPassword(bool value);
    void SetHint(const std::string& hint);
    void SetReadOnly(bool value);
    bool ReadOnly() const { return readOnly_; }
    // At most this many characters by the user's edits; 0 for no limit.
    void SetMaximumCharactersAllowed(std::int64_t count);
    // '#' stands for any digit, any other character for itself: the user's
    // edits may leave only characters the mask allows, each other character
    // no more often than the mask holds it (".###" takes one decimal point),
    // and no more characters than the mask is long.
    void SetValidationMask(const std::string& mask);
    std::int64_t MaximumCharactersAllowed() const { return maxChars_; }
    const std::string& ValidationMask() const { return mask_; }

    // Never null: NilObjectException when the field has no widget.
    QLineEdit* Edit() const;

    // Called by the Qt side.
    bool HandleKeyDown(const std::string& key) { return KeyDownHook<TextField>(key); }
    void HandleTextChanged() { CallVoidHook(TextChange, Self<TextField>()); }
    // Whether the user may turn the shown text `oldText` into `newText`:
    // the new text is the same, keeps to the mask and the limit, or only has
    // characters taken out. A refused edit leaves the field as it was, with
    // one beep.
    bool AcceptsEdit(const std::string& oldText, const std::string& newText) const;

  protected:
    void ApplyAlignment(int qtAlignment) override;

  private:
    bool readOnly_ = false;
    std::int64_t maxChars_ = 0;
    std::string mask_;
};

}  // namespace fw
