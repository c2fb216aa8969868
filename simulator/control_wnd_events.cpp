#include "framework/delegate.h"
#include "framework/runtime.h"
#include "simulator/control_wnd.h"
#include "windows/about_wnd_accessor.h"
#include "windows/info_wnd_accessor.h"

namespace ControlWnd {

void ControlWnd::Event_Activate() {
    fw::Deref(AboutWnd::AsWindow(AboutWnd::AboutWnd())).Hide();
    // The stored values are reset once, at the first activation, and only
    // while both fields are still empty, where the reset agrees with what the
    // window shows. Later activations, or a first one after input reached the
    // window (a slider turned by the mouse wheel before the window was ever
    // active), leave them: the read-outs always belong to the fields shown.
    if (!activated_) {
        activated_ = true;
        if (fw::Deref(rEdit()).Text().empty() && fw::Deref(nEdit()).Text().empty()) {
            N = 4;
            t = 0;
            r = 0;
        }
    }
}

void ControlWnd::Event_Close() {
    fw::Quit(0);
}

void ControlWnd::Event_EnableMenuItems() {
    fw::Deref(ControlMenuItem()).SetEnabled(false);
    fw::Deref(AboutMenuItem()).SetEnabled(true);
}

void ControlWnd::AddMenuHandlers(std::shared_ptr<fw::Window> window) {
    const std::shared_ptr<class ControlWnd> target =
        fw::RuntimeCheckCast<class ControlWnd>(fw::Deref(window).shared_from_this());
    AddMenuHandler("DescriptionMenuItem",
                   fw::RuntimeCreateDelegate(&ControlWnd::DescriptionMenuItem_Action, target,
                                             "(  ) as Boolean"));
    AddMenuHandler("AboutZOP", fw::RuntimeCreateDelegate(&ControlWnd::AboutZOP_Action, target,
                                                         "(  ) as Boolean"));
}

// No entry of the menu bar bears this name.
bool ControlWnd::DescriptionMenuItem_Action() {
    return false;
}

bool ControlWnd::AboutZOP_Action() {
    fw::Deref(AboutWnd::AsWindow(AboutWnd::AboutWnd())).Show();
    return false;
}

bool ControlWnd::Qbtn_MouseDown(std::shared_ptr<fw::PushButton>, std::int64_t, std::int64_t) {
    fw::Deref(InfoWnd::AsWindow(InfoWnd::InfoWnd())).Show();
    return false;
}

}  // namespace ControlWnd
