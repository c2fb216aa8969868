#include "framework/rect_control.h"

#include <QPointer>
#include <QWidget>

#include "framework/window.h"

namespace fw {

struct RectControl::WidgetHolder {
    QPointer<QWidget> widget;
};

std::vector<EventDecl> MouseEvents(std::vector<EventDecl> own) {
    std::vector<EventDecl> events = {{"MouseDown", "( {class}, Integer, Integer ) as Boolean"},
                                     {"MouseDrag", "( {class}, Integer, Integer )"},
                                     {"MouseUp", "( {class}, Integer, Integer )"}};
    events.insert(events.end(), own.begin(), own.end());
    return events;
}

std::vector<EventDecl> FocusAndMouseEvents(std::vector<EventDecl> own) {
    std::vector<EventDecl> events = {{"GotFocus", "( {class} )"}, {"LostFocus", "( {class} )"}};
    const std::vector<EventDecl> mouse = MouseEvents(std::move(own));
    events.insert(events.end(), mouse.begin(), mouse.end());
    return events;
}

RectControl::RectControl() = default;

RectControl::~RectControl() {
    if (holder_ && holder_->widget) {
        delete holder_->widget.data();
    }
}

const ClassRecord& RectControl::ClassInfo() {
    static const ClassRecord record({
        .name = "RectControl",
        .super = &Control::ClassInfo(),
        .framework = true,
        .events =
            {
                {"ConstructContextualMenu", "( {class}, MenuItem, Integer, Integer ) as Boolean"},
                {"ContextualMenuAction", "( {class}, MenuItem ) as Boolean"},
                {"DragEnter", "( {class}, DragItem, DragItem.Types ) as Boolean"},
                {"DragExit", "( {class}, DragItem, DragItem.Types )"},
                {"DragOver", "( {class}, Integer, Integer, DragItem.Types ) as Boolean"},
                {"DropObject", "( {class}, DragItem, DragItem.Types )"},
                {"KeyDown", "( {class}, String ) as Boolean"},
                {"KeyUp", "( {class}, String )"},
                {"MouseEnter", "( {class} )"},
                {"MouseExit", "( {class} )"},
                {"MouseMove", "( {class}, Integer, Integer )"},
                {"MouseWheel", "( {class}, Integer, Integer, Integer, Integer ) as Boolean"},
            },
        .properties =
            {
                PropertyOf("Index", PropertyType::Integer, &RectControl::SetIndex),
                PropertyOf("Left", PropertyType::Integer, &RectControl::SetLeft),
                PropertyOf("Top", PropertyType::Integer, &RectControl::SetTop),
                PropertyOf("Width", PropertyType::Integer, &RectControl::SetWidth),
                PropertyOf("Height", PropertyType::Integer, &RectControl::SetHeight),
                KeptProperty("LockLeft", PropertyType::Boolean),
                KeptProperty("LockTop", PropertyType::Boolean),
                KeptProperty("LockRight", PropertyType::Boolean),
                KeptProperty("LockBottom", PropertyType::Boolean),
                PropertyOf("TabIndex", PropertyType::Integer, &RectControl::SetTabIndex),
                KeptProperty("TabPanelIndex", PropertyType::Integer),
                PropertyOf("TabStop", PropertyType::Boolean, &RectControl::SetTabStop),
                KeptProperty("AllowAutoDeactivate", PropertyType::Boolean),
                PropertyOf("Enabled", PropertyType::Boolean, &RectControl::SetEnabled),
                PropertyOf("Visible", PropertyType::Boolean, &RectControl::SetVisible),
                PropertyOf("Tooltip", PropertyType::String, &RectControl::SetTooltip),
                KeptProperty("Transparent", PropertyType::Boolean),
                PropertyOf("InitialParent", PropertyType::String, &RectControl::SetInitialParent),
            },
    });
    return record;
}

QWidget* RectControl::Widget() const {
    return holder_ ? holder_->widget.data() : nullptr;
}

void RectControl::SetWidget(QWidget* widget) {
    if (!holder_) {
        holder_ = std::make_unique<WidgetHolder>();
    }
    holder_->widget = widget;
    widget->hide();
    ApplyGeometry();
    widget->setEnabled(enabled_);
    widget->setToolTip(QString::fromStdString(tooltip_));
    ApplyFocusPolicy();
}

void RectControl::ApplyGeometry() {
    if (QWidget* widget = Widget()) {
        widget->setGeometry(static_cast<int>(left_), static_cast<int>(top_),
                            static_cast<int>(std::max<std::int64_t>(width_, 0)),
                            static_cast<int>(std::max<std::int64_t>(height_, 0)));
        GeometryChanged();
    }
}

void RectControl::SetLeft(std::int64_t value) {
    left_ = value;
    ApplyGeometry();
}

void RectControl::SetTop(std::int64_t value) {
    top_ = value;
    ApplyGeometry();
}

void RectControl::SetWidth(std::int64_t value) {
    width_ = value;
    ApplyGeometry();
}

void RectControl::SetHeight(std::int64_t value) {
    height_ = value;
    ApplyGeometry();
}

void RectControl::SetVisible(bool visible) {
    visible_ = visible;
    QWidget* widget = Widget();
    if (widget && widget->parentWidget()) {
        widget->setVisible(visible);
    }
}

void RectControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (QWidget* widget = Widget()) {
        widget->setEnabled(enabled);
    }
}

void RectControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    ApplyFocusPolicy();
}

void RectControl::ApplyFocusPolicy() {
    if (QWidget* widget = Widget()) {
        widget->setFocusPolicy(!Focusable() ? Qt::NoFocus
                               : tabStop_   ? Qt::StrongFocus
                                            : Qt::ClickFocus);
    }
}

void RectControl::SetTooltip(const std::string& text) {
    tooltip_ = text;
    if (QWidget* widget = Widget()) {
        widget->setToolTip(QString::fromStdString(text));
    }
}

void RectControl::SetInitialParent(const std::string& name) {
    if (!name.empty()) {
        std::shared_ptr<fw::Window> window = OwnerWindow();
        if (!window || !window->ControlByName(name)) {
            throw RuntimeException("the containing control \"" + name + "\" of \"" + Name() +
                                   "\" is not on its window");
        }
    }
    initialParent_ = name;
}

void RectControl::AttachTo(const std::shared_ptr<fw::Window>& window) {
    Control::AttachTo(window);
    if (QWidget* widget = Widget()) {
        // Every control lies directly on the window's content area in window
        // coordinates; a container is made before what it contains, so it
        // stays behind it.
        widget->setParent(Deref(window).Content());
        ApplyGeometry();
        widget->setVisible(visible_);
    }
}

}  // namespace fw
