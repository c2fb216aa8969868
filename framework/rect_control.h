#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/control.h"

class QWidget;

namespace fw {

// Events that several kinds of drawn control have, in their table order.
inline constexpr EventTable<2> kFocusEvents = {
    {{"GotFocus", "( {class} )"}, {"LostFocus", "( {class} )"}}};
inline constexpr EventTable<3> kMouseEvents = {
    {{"MouseDown", "( {class}, Integer, Integer ) as Boolean"},
     {"MouseDrag", "( {class}, Integer, Integer )"},
     {"MouseUp", "( {class}, Integer, Integer )"}}};

// A control with a place on its window: position and size in window
// coordinates, locks, tab order, visibility and enabling, all on the Qt
// widget that the control owns.
class RectControl : public Control {
  public:
    RectControl();
    ~RectControl() override;

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    static constexpr auto kEvents = Events(
        Control::kEvents,
        EventTable<12>{{
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
        }});
    static constexpr int KeyDown = EventIndex(kEvents, "KeyDown");

    // The place as it is now, in window coordinates: where the window was
    // resized, the locked edges have taken the control along.
    std::int64_t Left() const { return Placed().left; }
    std::int64_t Top() const { return Placed().top; }
    std::int64_t Width() const { return Placed().width; }
    std::int64_t Height() const { return Placed().height; }
    void SetLeft(std::int64_t value);
    void SetTop(std::int64_t value);
    void SetWidth(std::int64_t value);
    void SetHeight(std::int64_t value);

    // Which edges of the window the control keeps its distance to when the
    // window is resized. Locked to both edges of an axis it stretches along
    // it; locked to neither it keeps its size and stays centred as it was,
    // moving by half the window's growth.
    bool LockLeft() const { return locks_.left; }
    bool LockTop() const { return locks_.top; }
    bool LockRight() const { return locks_.right; }
    bool LockBottom() const { return locks_.bottom; }
    void SetLockLeft(bool value);
    void SetLockTop(bool value);
    void SetLockRight(bool value);
    void SetLockBottom(bool value);

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
    // The control follows its locks.
    void WindowResized() override;

    // The Qt widget, or null while the control has none; framework code and
    // tests only.
    QWidget* Widget() const;

  protected:
    // Takes ownership of the control's widget.
    void SetWidget(QWidget* widget);
    // The one road from the control to its widget, as the Qt class the
    // control made it as (framework/widget_as.h). A control whose widget is
    // not there, because its Constructor has not run or the widget went with
    // its window, raises NilObjectException instead of touching it.
    template <class W>
    W& WidgetAs() const;
    // Whether the widget can take the keyboard focus at all; TabStop then
    // says whether Tab reaches it or only a click.
    virtual bool Focusable() const { return true; }
    void ApplyFocusPolicy();
    // After the widget got its place and size.
    virtual void GeometryChanged() {}
    // How much taller the window's growth has made the control than its
    // stored height.
    std::int64_t HeightGained() const { return Placed().height - stored_.height; }

    // Runs the KeyDown hook for a typed key, with the control as its own
    // class T: true when the hook consumes the key.
    template <class T>
    bool KeyDownHook(const std::string& key) {
        return CallHook<bool>(KeyDown, Self<T>(), key).value_or(false);
    }

  private:
    struct Geometry {
        std::int64_t left, top, width, height;
    };
    struct Locks {
        bool left = true, top = true, right = false, bottom = false;
    };
    // The window's content size now; the base size while the control is on
    // no window.
    std::pair<std::int64_t, std::int64_t> ContentSize() const;
    // The stored place carried from the base size to the content size now.
    Geometry Placed() const;
    // Makes the place as it is now the stored one, at the present size, so
    // that a new value or lock applies from here on.
    void Rebase();
    template <class T>
    void Replace(T& part, T value);
    void ApplyGeometry();
    // Whether the Constructor has made the widget (which may be gone since):
    // the window's own calls pass over a control that was never made.
    bool Made() const { return holder_ != nullptr; }

    struct WidgetHolder;
    std::unique_ptr<WidgetHolder> holder_;
    // The place as set, and the content size of the window it was set for.
    Geometry stored_{0, 0, 80, 22};
    std::pair<std::int64_t, std::int64_t> base_{0, 0};
    Locks locks_;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    std::int64_t tabIndex_ = 0;
    std::int64_t index_ = -2147483648LL;
    std::string tooltip_;
    std::string initialParent_;
};

}  // namespace fw
