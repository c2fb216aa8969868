#include "framework/text_field.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "framework/beep.h"
#include "framework/color_value.h"
#include "framework/guard.h"
#include "framework/input_method_gate.h"
#include "framework/key_text.h"
#include "framework/widget_as.h"

namespace fw {
namespace {

// The Qt side of a field. Typed keys reach the KeyDown hook first. Every
// edit by the user, whatever its road (typing, pasting, dropping, an input
// method, undo and redo), is held to the field's rule; a text that the
// program sets is not.
class FieldEdit : public InputMethodGate<QLineEdit> {
  public:
    explicit FieldEdit(TextField& owner);

    // Shows a text of the program's: no rule applies to it.
    void SetProgramText(const QString& text) {
        const QScopedValueRollback<int> setting(programSetting_, programSetting_ + 1);
        setText(text);
    }
    // What the rule says of `input` in place of the text now shown.
    bool Accepts(const QString& input) const {
        return programSetting_ > 0 || owner_.AcceptsEdit(shown_.toStdString(), input.toStdString());
    }

    // The user's edit was refused. It is answered with one beep: a key, a
    // paste or a drop that Qt tries more than once still beeps once.
    void Refused() {
        if (eventDepth_ > 0) {
            refused_ = true;
        } else if (!beepPosted_) {
            // From outside an event of the field's own (a context menu's
            // Paste): once that action is over.
            beepPosted_ = true;
            QTimer::singleShot(0, this, [this] {
                beepPosted_ = false;
                Beep();
            });
        }
    }

  protected:
    bool event(QEvent* event) override {
        const QScopedValueRollback<int> inEvent(eventDepth_, eventDepth_ + 1);
        // Tab is taken by focus handling before keyPressEvent, so typed keys
        // are looked at here.
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (const auto text = TypedKeyText(key)) {
                // The hook beeps for a key it refuses.
                if (GuardOr<bool>(false, [&] { return owner_.HandleKeyDown(*text); })) {
                    return true;
                }
            }
        }
        const bool handled = InputMethodGate::event(event);
        if (eventDepth_ == 1 && std::exchange(refused_, false)) {
            Beep();
        }
        return handled;
    }

  private:
    void TextChanged(const QString& text) {
        // Qt takes back an edit that its validator refuses, but only while
        // the text before it passed too, and never an undo or a redo: an
        // edit that got past is taken back here, before anyone sees it.
        if (!Accepts(text)) {
            // Back to the text that stood; from the field's side nothing
            // changed, so no one hears of it.
            {
                const QSignalBlocker quiet(this);
                SetProgramText(shown_);
            }
            Refused();
            return;
        }
        shown_ = text;
        Guard([this] { owner_.HandleTextChanged(); });
    }

    TextField& owner_;
    // The text as last shown: every edit is judged against it.
    QString shown_;
    int programSetting_ = 0;
    // Events of the field's own under way, and whether one refused an edit.
    int eventDepth_ = 0;
    bool refused_ = false;
    bool beepPosted_ = false;
};

// The field's rule as Qt's validator, so that Qt refuses an edit before it
// shows it. A text that the program sets is acceptable: Qt would otherwise
// mark it invalid and from then on let invalid edits pass.
class EditRule : public QValidator {
  public:
    explicit EditRule(FieldEdit& edit) : QValidator(&edit), edit_(edit) {}

    State validate(QString& input, int&) const override {
        if (edit_.Accepts(input)) {
            return Acceptable;
        }
        edit_.Refused();
        return Invalid;
    }

  private:
    FieldEdit& edit_;
};

FieldEdit::FieldEdit(TextField& owner) : owner_(owner) {
    // Qt cuts a text at 32767 characters by default; the field's own limit
    // is MaximumCharactersAllowed, for the user's edits only.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new EditRule(*this));
    QObject::connect(this, &QLineEdit::textChanged, this,
                     [this](const QString& text) { TextChanged(text); });
}

std::vector<uint> CodePoints(const std::string& text) {
    const QList<uint> ucs4 = QString::fromStdString(text).toUcs4();
    return {ucs4.begin(), ucs4.end()};
}

// How far `text` is from what the mask allows: each character that the mask
// does not allow, and each use of a mask character beyond the number of
// times the mask holds it ('#' stands for any digit, as often as wanted).
std::size_t Unfit(const std::string& mask, const std::vector<uint>& text) {
    if (mask.empty()) {
        return 0;
    }
    const bool digits = mask.find('#') != std::string::npos;
    std::map<uint, std::size_t> used;
    std::size_t unfit = 0;
    for (const uint c : text) {
        if (digits && c >= '0' && c <= '9') {
            continue;
        }
        const auto allowed =
            c < 128 && c != '#' ? std::count(mask.begin(), mask.end(), static_cast<char>(c)) : 0;
        if (++used[c] > static_cast<std::size_t>(allowed)) {
            ++unfit;
        }
    }
    return unfit;
}

// Whether `after` is `before` with characters taken out and nothing put in.
bool OnlyRemoves(const std::vector<uint>& before, const std::vector<uint>& after) {
    if (after.size() >= before.size()) {
        return false;
    }
    auto next = before.begin();
    for (const uint c : after) {
        next = std::find(next, before.end(), c);
        if (next == before.end()) {
            return false;
        }
        ++next;
    }
    return true;
}

}  // namespace

const ClassRecord& TextField::ClassInfo() {
    static const ClassRecord record({
        .name = "TextField",
        .super = &TextControl::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .raised = {KeyDown, TextChange},
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
    SetWidget(new FieldEdit(*this));
    ApplyTextStyle();
}

QLineEdit* TextField::Edit() const {
    return &WidgetAs<FieldEdit>();
}

std::string TextField::Text() const {
    return Edit()->text().toStdString();
}

void TextField::SetText(const std::string& text) {
    auto& edit = WidgetAs<FieldEdit>();
    CallQt([&] { edit.SetProgramText(QString::fromStdString(text)); });
}

bool TextField::AcceptsEdit(const std::string& oldText, const std::string& newText) const {
    // Leaving a text as it stands is no edit. Qt asks the rule about the
    // shown text again when the field loses focus; a text of the program's
    // beyond the rule must not be refused, and beep, then.
    if (newText == oldText) {
        return true;
    }
    std::size_t limit = maxChars_ > 0 ? static_cast<std::size_t>(maxChars_) : 0;
    if (!mask_.empty()) {
        limit = limit == 0 ? mask_.size() : std::min(limit, mask_.size());
    }
    const std::vector<uint> after = CodePoints(newText);
    const bool fits = (limit == 0 || after.size() <= limit) && Unfit(mask_, after) == 0;
    // A text of the program's beyond the rule can always be shortened or
    // replaced by one that keeps to it.
    return fits || OnlyRemoves(CodePoints(oldText), after);
}

void TextField::SetBackgroundColor(Color color) {
    QLineEdit* edit = Edit();
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    edit->setPalette(palette);
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
