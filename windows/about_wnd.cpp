#include "windows/about_wnd.h"

#include "app/chart_small.h"
#include "framework/class_registry.h"
#include "framework/set_properties.h"
#include "simulator/control_wnd_accessor.h"
#include "windows/about_wnd_streams.h"
#include "windows/window_construction.h"
#include "windows/wrapper_timer1.h"

namespace AboutWnd {
namespace {

const bool registered = fw::AddClassInitializer(&AboutWnd::ClassInfo);

}  // namespace

const fw::ClassRecord& AboutWnd::ClassInfo() {
    static const fw::ClassRecord record(WindowClass(
        "AboutWnd.AboutWnd", {
                                 {"KeyDown", fw::HandlerOf(&AboutWnd::Event_KeyDown)},
                                 {"MouseDown", fw::HandlerOf(&AboutWnd::Event_MouseDown)},
                             }));
    return record;
}

std::shared_ptr<class AboutWnd> AboutWnd() {
    return ImplicitWindowOf<class AboutWnd>();
}

std::shared_ptr<fw::Window> AsWindow(const std::shared_ptr<class AboutWnd>& window) {
    return window;
}

void AboutWnd::Layout() {
    fw::SetProperties(shared_from_this(), AboutWndWindowStream());
}

void AboutWnd::CreateControls0() {
    MakeControl<fw::Label>(*this, "StaticText5", AboutWndControlStream("StaticText5"));
    MakeControl<fw::Canvas>(
        *this, "Canvas1", AboutWndControlStream("Canvas1"),
        [](fw::Canvas& canvas) { canvas.SetBackdrop(x_ChartSmall::ChartSmall()); });
    MakeControl<fw::Label>(*this, "StaticText1", AboutWndControlStream("StaticText1"));
    MakeControl<wrapper_Timer1, fw::Timer>(*this, "Timer1", AboutWndControlStream("Timer1"));
    HookEvent<AboutWnd, fw::Timer>(*this, "Timer1", fw::Timer::Action, &AboutWnd::Timer1_Action,
                                   "( Timer )");
}

std::shared_ptr<fw::Label> AboutWnd::StaticText5() {
    return ControlOf<fw::Label>(*this, "StaticText5");
}
std::shared_ptr<fw::Canvas> AboutWnd::Canvas1() {
    return ControlOf<fw::Canvas>(*this, "Canvas1");
}
std::shared_ptr<fw::Label> AboutWnd::StaticText1() {
    return ControlOf<fw::Label>(*this, "StaticText1");
}
std::shared_ptr<fw::Timer> AboutWnd::Timer1() {
    return ControlOf<fw::Timer>(*this, "Timer1");
}

void AboutWnd::HandOver() {
    fw::Deref(AsWindow(::AboutWnd::AboutWnd())).Hide();
    fw::Deref(ControlWnd::AsWindow(ControlWnd::ControlWnd())).Show();
}

// The timer is not stopped by an early hand-over; the runtime spends a timer
// that comes due while its window is hidden, so only a splash on screen (the
// first one, or About shown again within its first four seconds) is handed
// over by it.
void AboutWnd::Timer1_Action(std::shared_ptr<fw::Timer>) {
    HandOver();
}

bool AboutWnd::Event_KeyDown(std::string) {
    HandOver();
    return false;
}

bool AboutWnd::Event_MouseDown(std::int64_t, std::int64_t) {
    HandOver();
    return false;
}

}  // namespace AboutWnd
