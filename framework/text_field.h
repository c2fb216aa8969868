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

    enum Event { TextChange = 21 };

    void Constructor() override;

    std::string Text() const;
    // Runs the TextChange hook when the text changes. The validation mask and
    // the character limit hold for what the user types or pastes, not for a
    // text that the program sets.
    void SetText(const std::string& text);

    void SetBackgroundColor(Color color);
    void SetHasBorder(bool value);
    void SetPassword(bool value);
    void SetHint(const std::string& hint);
    void SetReadOnly(bool value);
    bool ReadOnly() const { return readOnly_; }
    // At most this many characters by typing or pasting; 0 for no limit.
    void SetMaximumCharactersAllowed(std::int64_t count);
    // '#' stands for a digit, any other character for itself: typed or
    // pasted text may hold only characters the mask allows, and no more of
    // them than the mask is long.
    void SetValidationMask(const std::string& mask);
    std::int64_t MaximumCharactersAllowed() const { return maxChars_; }
    const std::string& ValidationMask() const { return mask_; }

    QLineEdit* Edit() const;

    // Called by the Qt side.
    bool HandleKeyDown(const std::string& key) { return KeyDownHook<TextField>(key); }
    void HandleTextChanged() { CallVoidHook(TextChange, Self<TextField>()); }
    bool AcceptsEdit(const std::string& oldText, const std::string& newText) const;

  protected:
    void ApplyAlignment(int qtAlignment) override;

  private:
    bool readOnly_ = false;
    std::int64_t maxChars_ = 0;
    std::string mask_;
};

}  // namespace fw
