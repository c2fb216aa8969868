#include "framework/rect_control.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "framework/widget_as.h"
#include "framework/window.h"

namespace fw {

struct RectControl::WidgetHolder {
    QPointer<QWidget> widget;
};

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
        .events = kEvents,
        .properties =
            {
                PropertyOf("Index", PropertyType::Integer, &RectControl::SetIndex),
                PropertyOf("Left", PropertyType::Integer, &RectControl::SetLeft),
                PropertyOf("Top", PropertyType::Integer, &RectControl::SetTop),
                PropertyOf("Width", PropertyType::Integer, &RectControl::SetWidth),
                PropertyOf("Height", PropertyType::Integer, &RectControl::SetHeight),
                PropertyOf("LockLeft", PropertyType::Boolean, &RectControl::SetLockLeft),
                PropertyOf("LockTop", PropertyType::Boolean, &RectControl::SetLockTop),
                PropertyOf("LockRight", PropertyType::Boolean, &RectControl::SetLockRight),
                PropertyOf("LockBottom", PropertyType::Boolean, &RectControl::SetLockBottom),
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

namespace {

// Held to the largest window, a widget never grows too large to draw and its
// far edge is still an int.
int Coordinate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -kMostPixels, kMostPixels));
}
int Extent(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, kMostPixels));
}

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<std::int64_t>::max()
                     : std::numeric_limits<std::int64_t>::min();
    }
    return sum;
}

// One axis of a control as its window grows by `growth` along it.
std::pair<std::int64_t, std::int64_t> Follow(std::int64_t position, std::int64_t size,
                                             bool nearLocked, bool farLocked, std::int64_t growth) {
    if (nearLocked && farLocked) {
        return {position, SaturatingAdd(size, growth)};
    }
    if (farLocked) {
        return {SaturatingAdd(position, growth), size};
    }
    if (nearLocked) {
        return {position, size};
    }
    // Rounded down either way, so that growing and shrinking back lands on
    // the same pixel.
    const std::int64_t half = growth >= 0 ? growth / 2 : -((1 - growth) / 2);
    return {SaturatingAdd(position, half), size};
}

}  // namespace

std::pair<std::int64_t, std::int64_t> RectControl::ContentSize() const {
    const std::shared_ptr<fw::Window> window = OwnerWindow();
    const QWidget* content = window ? window->Content() : nullptr;
    if (!content) {
        return base_;
    }
    return {content->width(), content->height()};
}

RectControl::Geometry RectControl::Placed() const {
    const auto [width, height] = ContentSize();
    const auto [left, shownWidth] =
        Follow(stored_.left, stored_.width, locks_.left, locks_.right, width - base_.first);
    const auto [top, shownHeight] =
        Follow(stored_.top, stored_.height, locks_.top, locks_.bottom, height - base_.second);
    return {left, top, shownWidth, shownHeight};
}

void RectControl::Rebase() {
    stored_ = Placed();
    base_ = ContentSize();
}

void RectControl::ApplyGeometry() {
    const Geometry placed = Placed();
    QWidget& widget = WidgetAs<QWidget>();
    widget.setGeometry(Coordinate(placed.left), Coordinate(placed.top), Extent(placed.width),
                       Extent(placed.height));
    GeometryChanged();
}

// A new place or lock applies from the place as it is now.
template <class T>
void RectControl::Replace(T& part, T value) {
    Rebase();
    part = value;
    ApplyGeometry();
}

void RectControl::SetLeft(std::int64_t value) {
    Replace(stored_.left, value);
}
void RectControl::SetTop(std::int64_t value) {
    Replace(stored_.top, value);
}
void RectControl::SetWidth(std::int64_t value) {
    Replace(stored_.width, value);
}
void RectControl::SetHeight(std::int64_t value) {
    Replace(stored_.height, value);
}
void RectControl::SetLockLeft(bool value) {
    Replace(locks_.left, value);
}
void RectControl::SetLockTop(bool value) {
    Replace(locks_.top, value);
}
void RectControl::SetLockRight(bool value) {
    Replace(locks_.right, value);
}
void RectControl::SetLockBottom(bool value) {
    Replace(locks_.bottom, value);
}

void RectControl::SetVisible(bool visible) {
    visible_ = visible;
    QWidget& widget = WidgetAs<QWidget>();
    // Off its window the widget stays hidden until AttachTo shows it.
    if (widget.parentWidget()) {
        widget.setVisible(visible);
    }
}

void RectControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    WidgetAs<QWidget>().setEnabled(enabled);
}

void RectControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    ApplyFocusPolicy();
}

void RectControl::ApplyFocusPolicy() {
    WidgetAs<QWidget>().setFocusPolicy(!Focusable() ? Qt::NoFocus
                                       : tabStop_   ? Qt::StrongFocus
                                                    : Qt::ClickFocus);
}

void RectControl::SetTooltip(const std::string& text) {
    tooltip_ = text;
    WidgetAs<QWidget>().setToolTip(QString::fromStdString(text));
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

void RectControl::WindowResized() {
    if (Made()) {
        ApplyGeometry();
    }
}

void RectControl::AttachTo(const std::shared_ptr<fw::Window>& window) {
    Control::AttachTo(window);
    // The place was given for the window as it is now.
    base_ = ContentSize();
    if (Made()) {
        // Every control lies directly on the window's content area in window
        // coordinates; a container is made before what it contains, so it
        // stays behind it.
        QWidget& widget = WidgetAs<QWidget>();
        widget.setParent(Deref(window).Content());
        ApplyGeometry();
        widget.setVisible(visible_);
    }
}

}  // namespace fw
