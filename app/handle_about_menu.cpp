#include "app/handle_about_menu.h"

#include "app/app_accessor.h"
#include "app/menu_accessor.h"
#include "windows/about_wnd_accessor.h"

namespace {

// Both About entries show the splash window again, or a new one when it was
// closed.
bool ShowAboutWindow() {
    fw::Deref(AboutWnd::AsWindow(AboutWnd::AboutWnd())).Show();
    return false;
}

}  // namespace

const fw::ClassRecord& HandleAboutMenu::ClassInfo() {
    static const fw::ClassRecord record({
        .name = "HandleAboutMenu",
        .super = &fw::Application::ClassInfo(),
        .handlers = {{"EnableMenuItems", fw::HandlerOf(&HandleAboutMenu::Event_EnableMenuItems)}},
        .members = {{"IsEventImplemented", fw::HandlerOf(&HandleAboutMenu::IsEventImplemented)}},
    });
    return record;
}

void HandleAboutMenu::Event_EnableMenuItems() {
    fw::Deref(AboutZOP()).SetEnabled(true);
}

bool HandleAboutMenu::AboutZOP_Action() {
    return ShowAboutWindow();
}

bool HandleAboutMenu::AboutMenuItem_Action() {
    return ShowAboutWindow();
}

bool HandleAboutMenu::IsEventImplemented(const std::string& eventName) {
    return fw::RuntimeIsEventHandled(shared_from_this(), "HandleAboutMenu", eventName, true);
}

std::shared_ptr<HandleAboutMenu> App() {
    return fw::RuntimeCheckCast<HandleAboutMenu>(fw::GetAppObject());
}

std::shared_ptr<fw::AppleMenuItem> AboutZOP() {
    const std::shared_ptr<HandleAboutMenu> application = App();
    return MenuEntryOf<fw::AppleMenuItem>(fw::Deref(application).MenuBar(), "AboutZOP");
}
