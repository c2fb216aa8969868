#include "framework/window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "framework/class_registry.h"
#include "framework/guard.h"
#include "framework/menu_bar.h"
#include "framework/pane_child.h"
#include "framework/runtime.h"
#include "framework/trace.h"
#include "framework/window_widget.h"

namespace fw {
namespace {

// The runtime's lists of windows are never destroyed: a window holds Qt
// widgets, and a process that ends without RuntimeExit must not have the
// exit handlers delete them after Qt has gone.
std::vector<std::shared_ptr<Window>>& OpenList() {
    static auto* open = new std::vector<std::shared_ptr<Window>>;
    return *open;
}

// The window that was activated last while on screen.
std::weak_ptr<Window>& LastActive() {
    static std::weak_ptr<Window> last;
    return last;
}

// Closed windows whose last reference is released after the event that
// closed them.
std::vector<std::shared_ptr<Window>>& ClosingList() {
    static auto* closing = new std::vector<std::shared_ptr<Window>>;
    return *closing;
}

// The frame that the window system puts around our windows, as it last
// framed one that was shown; none until then, so the first window is
// centred without it.
QMargins knownFrameMargins;

void NoteFrameMargins(const QWidget& top) {
    const QWindow* handle = top.windowHandle();
    if (handle && top.isVisible() && !handle->frameMargins().isNull()) {
        knownFrameMargins = handle->frameMargins();
    }
}

void Unregister(const Window* window) {
    auto& open = OpenList();
    auto it = std::find_if(open.begin(), open.end(), [window](const std::shared_ptr<Window>& w) {
        return w.get() == window;
    });
    if (it == open.end()) {
        return;
    }
    // The last reference may go while Qt is still inside this window's own
    // close event: release it once the event is over.
    ClosingList().push_back(std::move(*it));
    open.erase(it);
    QTimer::singleShot(0, [] { ClosingList().clear(); });
}

}  // namespace

Window::Window() : widget_(std::make_unique<WindowWidget>(*this)) {
    ApplySize();
    ApplyFlags();
    SetTitle(title_);
}

Window::~Window() {
    ReleaseControls();
    if (widget_) {
        widget_->Detach();
    }
    if (widget_ && QCoreApplication::instance()) {
        widget_->hide();
        widget_.release()->deleteLater();
    } else {
        // Without Qt nothing can be deleted safely any more.
        (void)widget_.release();
    }
}

void Window::ReleaseControls() {
    // Controls first: their widgets live inside the content area. A control's
    // hooks hold the window only weakly, so this breaks no cycle.
    std::vector<std::shared_ptr<Control>> controls = std::move(controls_);
    controls_.clear();
}

const ClassRecord& Window::ClassInfo() {
    static const ClassRecord record({
        .name = "Window",
        .super = &Object::ClassInfo(),
        .framework = true,
        .classEvents = {"Activate", "AddMenuHandlers", "Close", "CreateControls", "EnableMenuItems",
                        "KeyDown", "Layout", "MouseDown"},
        .properties =
            {
                PropertyOf("Width", PropertyType::Integer, &Window::SetWidth),
                PropertyOf("Height", PropertyType::Integer, &Window::SetHeight),
                PropertyOf("MinimumWidth", PropertyType::Integer, &Window::SetMinimumWidth),
                PropertyOf("MinimumHeight", PropertyType::Integer, &Window::SetMinimumHeight),
                PropertyOf("MaximumWidth", PropertyType::Integer, &Window::SetMaximumWidth),
                PropertyOf("MaximumHeight", PropertyType::Integer, &Window::SetMaximumHeight),
                KeptProperty("Type", PropertyType::Integer),
                PropertyOf("Title", PropertyType::String, &Window::SetTitle),
                PropertyOf("HasCloseButton", PropertyType::Boolean, &Window::SetHasCloseButton),
                PropertyOf("HasMaximizeButton", PropertyType::Boolean,
                           &Window::SetHasMaximizeButton),
                PropertyOf("HasMinimizeButton", PropertyType::Boolean,
                           &Window::SetHasMinimizeButton),
                KeptProperty("HasFullScreenButton", PropertyType::Boolean),
                PropertyOf("Resizeable", PropertyType::Boolean, &Window::SetResizeable),
                KeptProperty("Composite", PropertyType::Boolean),
                KeptProperty("MacProcId", PropertyType::Integer),
                KeptProperty("FullScreen", PropertyType::Boolean),
                KeptProperty("DefaultLocation", PropertyType::Integer),
                PropertyOf("Visible", PropertyType::Boolean, &Window::SetVisible),
                PropertyOf("HasBackgroundColor", PropertyType::Boolean,
                           &Window::SetHasBackgroundColor),
                PropertyOf("BackgroundColor", PropertyType::Color, &Window::SetBackgroundColor),
                PropertyOf("MenuBarVisible", PropertyType::Boolean, &Window::SetMenuBarVisible),
                KeptProperty("LiveResize", PropertyType::Boolean),
            },
    });
    return record;
}

QWidget* Window::Content() const {
    return widget_ ? widget_->Content() : nullptr;
}
QWidget* Window::TopLevel() const {
    return widget_.get();
}

void Window::Constructor() {
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    Trace("Window.Constructor " + Record().Name());
    open_ = true;
    OpenList().push_back(self);
    try {
        RaiseClassEvent("Layout");
        RaiseClassEvent("CreateControls");
        RaiseClassEvent("AddMenuHandlers", {std::shared_ptr<Window>(self)});
    } catch (...) {
        // A window that could not be built is not left half-open.
        open_ = false;
        Unregister(this);
        throw;
    }
    constructed_ = true;
    if (visible_) {
        Show();
    }
}

void Window::Show() {
    visible_ = true;
    if (!widget_) {
        return;
    }
    if (!placed_) {
        placed_ = true;
        widget_->adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            // A new window is centred with its frame, whose top-left corner
            // goes where it is moved to.
            QRect frame = QRect(QPoint(), widget_->size()).marginsAdded(knownFrameMargins);
            frame.moveCenter(screen->availableGeometry().center());
            widget_->move(frame.topLeft());
        }
    }
    CallQt([&] {
        // A menu left open over another window would stay drawn over this
        // one once it is in front.
        while (QWidget* popup = QApplication::activePopupWidget()) {
            if (!popup->close()) {
                break;
            }
        }
        // Shown means on screen: a window the user minimised comes back, as
        // it was before (maximised stays maximised).
        widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
        widget_->show();
        if (QGuiApplication::platformName() != "offscreen") {
            widget_->raise();
        }
        widget_->activateWindow();
    });
}

void Window::Hide() {
    visible_ = false;
    if (widget_) {
        CallQt([&] { widget_->hide(); });
    }
}

void Window::Close() {
    if (open_ && widget_) {
        CallQt([&] { widget_->close(); });
    }
}

void Window::HandleActivate() {
    if (!widget_->isVisible()) {
        // Shown and hidden again within one event, as the simulator does with
        // a new About window: the activation that showing asked for comes
        // after the hide. Left alone it would keep the keyboard on a window
        // that is not there; it goes back to the window that had it.
        const std::shared_ptr<Window> previous = LastActive().lock();
        if (previous && previous.get() != this && previous->IsOpen() && previous->widget_ &&
            previous->widget_->isVisible()) {
            previous->widget_->activateWindow();
        }
        return;
    }
    NoteFrameMargins(*widget_);
    LastActive() = std::static_pointer_cast<Window>(shared_from_this());
    if (open_ && constructed_) {
        RaiseClassEvent("Activate");
    }
}

void Window::HandleClose() {
    if (!open_) {
        return;
    }
    RaiseClassEvent("Close");
    open_ = false;
    visible_ = false;
    for (const auto& control : controls_) {
        control->WindowClosed();
    }
    Unregister(this);
    // A hidden window still counts as open; the application ends with the
    // last open one.
    if (OpenList().empty()) {
        Quit(0);
    }
}

bool Window::HandleKeyDown(const std::string& key) {
    return RaiseBooleanEvent("KeyDown", {key});
}

bool Window::HandleMouseDown(std::int64_t x, std::int64_t y) {
    return RaiseBooleanEvent("MouseDown", {x, y});
}

void Window::HandleResize() {
    for (const auto& control : controls_) {
        control->WindowResized();
    }
}

void Window::AddControl(const std::string& name, std::shared_ptr<Control> control) {
    Deref(control);
    if (ControlByName(name)) {
        throw RuntimeException("the window already holds a control named \"" + name + "\"");
    }
    control->SetName(name);
    controls_.push_back(control);
    const auto self = std::static_pointer_cast<Window>(shared_from_this());
    control->AttachTo(self);
    if (auto* child = dynamic_cast<PaneChild*>(control.get())) {
        child->SetWindow(self);
    }
}

std::shared_ptr<Control> Window::ControlByName(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) {
            return control;
        }
    }
    return nullptr;
}

void Window::SetMenuBar(std::shared_ptr<fw::MenuBar> bar) {
    menuBar_ = std::move(bar);
    InstallMenuBar(*this);
}

void Window::SetMenuBarVisible(bool value) {
    menuBarVisible_ = value;
    InstallMenuBar(*this);
}

void Window::AddMenuHandler(const std::string& name, std::shared_ptr<Delegate> handler) {
    menuHandlers_.Add(name, std::move(handler));
    Trace("Window.AddMenuHandler " + Record().Name() + " " + name);
}

std::vector<std::shared_ptr<Delegate>> Window::MenuHandlers(std::string_view name) const {
    return menuHandlers_.For(name);
}

void Window::PrepareMenus() {
    RaiseClassEvent("EnableMenuItems");
}

void Window::SetWidth(std::int64_t value) {
    width_ = value;
    ApplySize();
}
void Window::SetHeight(std::int64_t value) {
    height_ = value;
    ApplySize();
}
void Window::SetMinimumWidth(std::int64_t value) {
    minWidth_ = value;
    ApplySize();
}
void Window::SetMinimumHeight(std::int64_t value) {
    minHeight_ = value;
    ApplySize();
}
void Window::SetMaximumWidth(std::int64_t value) {
    maxWidth_ = value;
    ApplySize();
}
void Window::SetMaximumHeight(std::int64_t value) {
    maxHeight_ = value;
    ApplySize();
}
void Window::SetResizeable(bool value) {
    resizeable_ = value;
    ApplySize();
    ApplyFlags();
}

void Window::ApplySize() {
    auto clamp = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, 0, kMostPixels));
    };
    // A maximum of 0 sets no maximum.
    const auto maximum = [&](std::int64_t v) { return clamp(v <= 0 ? kMostPixels : v); };
    const QSize size(clamp(width_), clamp(height_));
    widget_->SetContentSize(size, !resizeable_, QSize(clamp(minWidth_), clamp(minHeight_)),
                            QSize(maximum(maxWidth_), maximum(maxHeight_)));
}

void Window::SetTitle(const std::string& title) {
    title_ = title;
    // Qt shows the application's name in place of an empty title; a lone
    // space is a title bar with nothing in it.
    widget_->setWindowTitle(title.empty() ? QStringLiteral(" ") : QString::fromStdString(title));
}

void Window::SetHasCloseButton(bool value) {
    hasClose_ = value;
    ApplyFlags();
}
void Window::SetHasMaximizeButton(bool value) {
    hasMaximize_ = value;
    ApplyFlags();
}
void Window::SetHasMinimizeButton(bool value) {
    hasMinimize_ = value;
    ApplyFlags();
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (hasClose_) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (hasMinimize_) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (hasMaximize_ && resizeable_) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool shown = widget_->isVisible();
    widget_->setWindowFlags(flags);
    if (shown) {
        widget_->show();
    }
}

void Window::SetVisible(bool value) {
    if (!constructed_) {
        visible_ = value;
        return;
    }
    value ? Show() : Hide();
}

void Window::SetHasBackgroundColor(bool value) {
    hasBackground_ = value;
    ApplyBackground();
}

void Window::SetBackgroundColor(Color color) {
    background_ = color;
    ApplyBackground();
}

void Window::ApplyBackground() {
    QWidget* content = Content();
    content->setAutoFillBackground(hasBackground_);
    if (hasBackground_) {
        QPalette palette = content->palette();
        palette.setColor(QPalette::Window, ToQColor(background_));
        content->setPalette(palette);
    }
}

std::shared_ptr<Window> GetImplicitWindow(std::string_view className) {
    const ClassRecord* record = RegisteredClass(className);
    if (!record) {
        throw RuntimeException("no window class \"" + std::string(className) +
                               "\" is registered with the runtime");
    }
    for (const auto& window : OpenList()) {
        if (window->IsOpen() && &window->Record() == record) {
            return window;
        }
    }
    return nullptr;
}

std::vector<std::shared_ptr<Window>> OpenWindows() {
    return OpenList();
}

void ReleaseOpenWindows() {
    std::vector<std::shared_ptr<Window>> open = std::move(OpenList());
    OpenList().clear();
    ClosingList().clear();
    for (const auto& window : open) {
        window->ReleaseControls();
    }
}

}  // namespace fw
