#include "windows/wrapper_timer1.h"

#include "framework/window.h"

namespace AboutWnd {

const fw::ClassRecord& wrapper_Timer1::ClassInfo() {
    static const fw::ClassRecord record(
        {.name = "AboutWnd._wrapper_Timer1", .super = &fw::Timer::ClassInfo()});
    return record;
}

void wrapper_Timer1::SetWindow(const std::shared_ptr<fw::Window>& window) {
    ownerWindow_ = std::make_shared<fw::WeakRef>(window);
}

std::shared_ptr<fw::Window> wrapper_Timer1::Window() {
    if (!ownerWindow_) {
        return nullptr;
    }
    return fw::RuntimeCheckCast<fw::Window>(ownerWindow_->Value());
}

}  // namespace AboutWnd
