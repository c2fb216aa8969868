#include "framework/push_button.h"

#include <QMouseEvent>
#include <QPushButton>

#include "framework/guard.h"
#include "framework/widget_as.h"

namespace fw {
namespace {

class ButtonWidget : public QPushButton {
  public:
    explicit ButtonWidget(PushButton& owner) : owner_(owner) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        if (GuardOr<bool>(false, [&] { return owner_.HandleMouseDown(at.x(), at.y()); })) {
            return;
        }
        QPushButton::mousePressEvent(event);
    }

  private:
    PushButton& owner_;
};

}  // namespace

const ClassRecord& PushButton::ClassInfo() {
    static const ClassRecord record({
        .name = "PushButton",
        .super = &TextControl::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .raised = {Action, MouseDown},
        .properties =
            {
                KeptProperty("MacButtonStyle", PropertyType::Integer),
                PropertyOf("Cancel", PropertyType::Boolean, &PushButton::SetCancel),
                PropertyOf("Caption", PropertyType::String, &PushButton::SetCaption),
                PropertyOf("Default", PropertyType::Boolean, &PushButton::SetDefault),
            },
    });
    return record;
}

void PushButton::Constructor() {
    auto* button = new ButtonWidget(*this);
    SetWidget(button);
    QObject::connect(button, &QPushButton::clicked, button,
                     [this] { Guard([this] { HandleAction(); }); });
    ApplyTextStyle();
}

QPushButton* PushButton::Button() const {
    return &WidgetAs<QPushButton>();
}

std::string PushButton::Caption() const {
    return Button()->text().toStdString();
}

void PushButton::SetCaption(const std::string& caption) {
    Button()->setText(QString::fromStdString(caption));
}

// The default button is drawn as such; Return in a field stays the field's.
void PushButton::SetDefault(bool value) {
    Button()->setDefault(value);
}

void PushButton::SetCancel(bool value) {
    Store("Cancel", value);
}

}  // namespace fw
