#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/control.h"

class QWidget;

namespace fw {

// The events that the drawn controls share, in their table order, followed
// by a class's own.
std::vector<EventDecl> MouseEvents(std::vector<EventDecl> own = {});
std::vector<EventDecl> FocusAndMouseEvents(std::vector<EventDecl> own = {});

// A control with a place on its window: position and size in window
// coordinates, locks, tab order, visibility and enabling, all on the Qt
// widget that the control owns.
class RectControl : public Control {
  public:
    RectControl();
    ~RectControl() override;

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    enum Event { KeyDown = 9 };

    std::int64_t Left() const { return left_; }
    std::int64_t Top() const { return top_; }
    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }
    void SetLeft(std::int64_t value);
    void SetTop(std::int64_t value);
    void SetWidth(std::int64_t value);
    void SetHeight(std::int64_t value);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    std::int64_t TabIndex() const { return tabIndex_; }
    void SetTabIndex(std::int64_t index) { tabIndex_ = index; }
    const std::string& Tooltip() const { return tooltip_; }
    void SetTooltip(const std::string& text);
    std::int64_t Index() const { return index_; }
    void SetIndex(std::int64_t index) { index_ = index; }
    // The name of the control that contains this one on the same window;
    // empty for a control placed on the window itself.
    const std::string& InitialParent() const { return initialParent_; }
    void SetInitialParent(const std::string& name);

    void AttachTo(const std::shared_ptr<fw::Window>& window) override;

    // The Qt widget; framework code and tests only.
    QWidget* Widget() const;

  protected:
    // Takes ownership of the control's widget.
    void SetWidget(QWidget* widget);
    // Whether the widget can take the keyboard focus at all; TabStop then
    // says whether Tab reaches it or only a click.
    virtual bool Focusable() const { return true; }
    void ApplyFocusPolicy();
    // After the widget got its place and size.
    virtual void GeometryChanged() {}

    // Runs the KeyDown hook for a typed key, with the control as its own
    // class T: true when the hook consumes the key.
    template <class T>
    bool KeyDownHook(const std::string& key) {
        return CallHook<bool>(KeyDown, Self<T>(), key).value_or(false);
    }

  private:
    void ApplyGeometry();

    struct WidgetHolder;
    std::unique_ptr<WidgetHolder> holder_;
    std::int64_t left_ = 0, top_ = 0, width_ = 80, height_ = 22;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    std::int64_t tabIndex_ = 0;
    std::int64_t index_ = -2147483648LL;
    std::string tooltip_;
    std::string initialParent_;
};

}  // namespace fw
