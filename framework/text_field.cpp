#include "framework/text_field.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <limits>

#include "framework/color_value.h"
#include "framework/guard.h"
#include "framework/key_text.h"

namespace fw {
namespace {

class FieldEdit : public QLineEdit {
  public:
    explicit FieldEdit(TextField& owner) : owner_(owner) {}

  protected:
    bool event(QEvent* event) override {
        // Tab is taken by focus handling before keyPressEvent, so typed keys
        // are looked at here.
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (const auto text = TypedKeyText(key)) {
                if (GuardOr<bool>(false, [&] { return owner_.HandleKeyDown(*text); })) {
                    return true;
                }
            }
        }
        return QLineEdit::event(event);
    }

  private:
    TextField& owner_;
};

// The mask and the character limit, for edits by the user only: Qt applies
// a validator to typing and pasting, not to setText.
class EditRule : public QValidator {
  public:
    explicit EditRule(const TextField& owner) : QValidator(nullptr), owner_(owner) {}

    State validate(QString& input, int&) const override {
        return owner_.AcceptsEdit(shown_.toStdString(), input.toStdString()) ? Acceptable : Invalid;
    }
    // Qt hands the validator the edited text only; the text before the edit
    // is the one last shown.
    void Shown(const QString& text) { shown_ = text; }

  private:
    const TextField& owner_;
    QString shown_;
};

std::size_t CodePoints(const std::string& text) {
    return static_cast<std::size_t>(QString::fromStdString(text).toUcs4().size());
}

// How many characters of `text` the mask does not allow.
std::size_t Unfit(const std::string& mask, const std::string& text) {
    if (mask.empty()) {
        return 0;
    }
    const bool digits = mask.find('#') != std::string::npos;
    std::size_t unfit = 0;
    for (const uint c : QString::fromStdString(text).toUcs4()) {
        const bool fits =
            (digits && c >= '0' && c <= '9') ||
            (c < 128 && mask.find(static_cast<char>(c)) != std::string::npos && c != '#');
        unfit += fits ? 0 : 1;
    }
    return unfit;
}

}  // namespace

const ClassRecord& TextField::ClassInfo() {
    static const ClassRecord record({
        .name = "TextField",
        .super = &TextControl::ClassInfo(),
        .framework = true,
        .events =
            FocusAndMouseEvents({{"SelChange", "( {class} )"}, {"TextChange", "( {class} )"}}),
        .properties =
            {
                PropertyOf("BackgroundColor", PropertyType::Color, &TextField::SetBackgroundColor),
                PropertyOf("HasBorder", PropertyType::Boolean, &TextField::SetHasBorder),
                KeptProperty("Format", PropertyType::String),
                PropertyOf("Password", PropertyType::Boolean, &TextField::SetPassword),
                KeptProperty("AllowFocusRing", PropertyType::Boolean),
                PropertyOf("Hint", PropertyType::String, &TextField::SetHint),
                PropertyOf("Value", PropertyType::String, &TextField::SetText),
                KeptProperty("AllowTabs", PropertyType::Boolean),
                KeptProperty("AllowSpellChecking", PropertyType::Boolean),
                PropertyOf("MaximumCharactersAllowed", PropertyType::Integer,
                           &TextField::SetMaximumCharactersAllowed),
                PropertyOf("ValidationMask", PropertyType::String, &TextField::SetValidationMask),
                PropertyOf("ReadOnly", PropertyType::Boolean, &TextField::SetReadOnly),
                KeptProperty("DataSource", PropertyType::String),
                KeptProperty("DataField", PropertyType::String),
            },
    });
    return record;
}

void TextField::Constructor() {
    auto* edit = new FieldEdit(*this);
    // Qt cuts a text at 32767 characters by default; the field's own limit
    // is MaximumCharactersAllowed, for typing only.
    edit->setMaxLength(std::numeric_limits<int>::max());
    auto* rule = new EditRule(*this);
    rule->setParent(edit);
    edit->setValidator(rule);
    SetWidget(edit);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this, rule](const QString& text) {
        rule->Shown(text);
        Guard([this] { HandleTextChanged(); });
    });
    ApplyTextStyle();
}

QLineEdit* TextField::Edit() const {
    return static_cast<QLineEdit*>(Widget());
}

std::string TextField::Text() const {
    QLineEdit* edit = Edit();
    return edit ? edit->text().toStdString() : std::string();
}

void TextField::SetText(const std::string& text) {
    if (QLineEdit* edit = Edit()) {
        CallQt([&] { edit->setText(QString::fromStdString(text)); });
    }
}

bool TextField::AcceptsEdit(const std::string& oldText, const std::string& newText) const {
    std::size_t limit = maxChars_ > 0 ? static_cast<std::size_t>(maxChars_) : 0;
    if (!mask_.empty()) {
        limit = limit == 0 ? mask_.size() : std::min(limit, mask_.size());
    }
    const std::size_t length = CodePoints(newText);
    // An edit that shortens the text is always allowed, so a text that the
    // program set beyond the rules can still be corrected.
    const bool fitsLength = limit == 0 || length <= limit || length < CodePoints(oldText);
    const bool fitsMask = Unfit(mask_, newText) <= Unfit(mask_, oldText);
    return fitsLength && fitsMask;
}

void TextField::SetBackgroundColor(Color color) {
    if (QWidget* widget = Widget()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, ToQColor(color));
        widget->setPalette(palette);
    }
}

void TextField::SetHasBorder(bool value) {
    Edit()->setFrame(value);
}

void TextField::SetPassword(bool value) {
    Edit()->setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}

void TextField::SetHint(const std::string& hint) {
    Edit()->setPlaceholderText(QString::fromStdString(hint));
}

void TextField::SetReadOnly(bool value) {
    readOnly_ = value;
    Edit()->setReadOnly(value);
}

void TextField::SetMaximumCharactersAllowed(std::int64_t count) {
    maxChars_ = count;
}

void TextField::SetValidationMask(const std::string& mask) {
    mask_ = mask;
}

void TextField::ApplyAlignment(int qtAlignment) {
    Edit()->setAlignment(static_cast<Qt::Alignment>(qtAlignment));
}

}  // namespace fw
