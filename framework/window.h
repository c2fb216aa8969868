#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/color_value.h"
#include "framework/control.h"
#include "framework/delegate.h"
#include "framework/menu_handler_table.h"
#include "framework/object.h"

class QWidget;

namespace fw {

class MenuBar;
class WindowWidget;

// No window is wider or taller than this many pixels, so no control on one
// needs to be: larger places and sizes are held to it.
inline constexpr std::int64_t kMostPixels = 32000;

// A top-level window. Its content area has the stored size, with the menu
// bar above it; it holds its controls by name; while it is open (shown or
// hidden) the runtime keeps it alive and finds it by its class name.
class Window : public Object {
  public:
    Window();
    ~Window() override;

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    // Builds the window: it becomes open, raises its Layout event and then
    // CreateControls, registers its menu handlers (AddMenuHandlers), and
    // shows itself when its Visible property is True.
    void Constructor();

    void Show();
    void Hide();
    // Closes the window as its close button does.
    void Close();
    bool IsOpen() const { return open_; }
    bool Visible() const { return visible_; }

    // A new control object of class T made on behalf of this window.
    template <class T>
    std::shared_ptr<T> New() const {
        return RuntimeNewObject<T>();
    }
    void AddControl(const std::string& name, std::shared_ptr<Control> control);
    // The control added under `name`, or Nil.
    std::shared_ptr<Control> ControlByName(std::string_view name) const;
    const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }

    std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<fw::MenuBar> bar);
    // Registers a menu handler, "(  ) as Boolean", under a menu entry's name.
    void AddMenuHandler(const std::string& name, std::shared_ptr<Delegate> handler);
    // The handlers registered under `name`, in registration order.
    std::vector<std::shared_ptr<Delegate>> MenuHandlers(std::string_view name) const;

    // Stored layout values.
    void SetWidth(std::int64_t value);
    void SetHeight(std::int64_t value);
    void SetMinimumWidth(std::int64_t value);
    void SetMinimumHeight(std::int64_t value);
    void SetMaximumWidth(std::int64_t value);
    void SetMaximumHeight(std::int64_t value);
    void SetTitle(const std::string& title);
    const std::string& Title() const { return title_; }
    void SetHasCloseButton(bool value);
    void SetHasMaximizeButton(bool value);
    void SetHasMinimizeButton(bool value);
    void SetResizeable(bool value);
    void SetVisible(bool value);
    void SetHasBackgroundColor(bool value);
    void SetBackgroundColor(Color color);
    void SetMenuBarVisible(bool value);
    bool MenuBarVisible() const { return menuBarVisible_; }

    // The Qt side; framework code and tests only.
    QWidget* Content() const;
    QWidget* TopLevel() const;

    // Lets go of the controls, as the window goes.
    void ReleaseControls();

    // Called by the Qt side.
    void HandleActivate();
    void HandleClose();
    bool HandleKeyDown(const std::string& key);
    bool HandleMouseDown(std::int64_t x, std::int64_t y);
    // The content area has a new size.
    void HandleResize();
    // Before a menu of this window's bar opens.
    void PrepareMenus();

  private:
    void ApplySize();
    void ApplyFlags();
    void ApplyBackground();

    std::unique_ptr<WindowWidget> widget_;
    std::vector<std::shared_ptr<Control>> controls_;
    std::shared_ptr<fw::MenuBar> menuBar_;
    MenuHandlerTable menuHandlers_;
    bool open_ = false;
    bool constructed_ = false;
    bool visible_ = false;
    bool placed_ = false;
    std::int64_t width_ = 300, height_ = 300;
    std::int64_t minWidth_ = 64, minHeight_ = 64, maxWidth_ = kMostPixels, maxHeight_ = kMostPixels;
    std::string title_;
    bool hasClose_ = true, hasMaximize_ = true, hasMinimize_ = true, resizeable_ = true;
    bool hasBackground_ = false;
    Color background_{255, 255, 255, 0};
    bool menuBarVisible_ = true;
};

// The open window of the registered class with this full name, shown or
// hidden, or Nil; RuntimeException for a name that no class registered.
std::shared_ptr<Window> GetImplicitWindow(std::string_view className);
// Every open window, oldest first.
std::vector<std::shared_ptr<Window>> OpenWindows();
// Lets go of every open window without closing it, as the process ends.
void ReleaseOpenWindows();

}  // namespace fw
