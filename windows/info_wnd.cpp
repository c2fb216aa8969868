#include "windows/info_wnd.h"

#include "app/menu_accessor.h"
#include "framework/class_registry.h"
#include "framework/set_properties.h"
#include "windows/info_wnd_streams.h"
#include "windows/window_construction.h"

namespace InfoWnd {
namespace {

const bool registered = fw::AddClassInitializer(&InfoWnd::ClassInfo);

}  // namespace

const fw::ClassRecord& InfoWnd::ClassInfo() {
    static const fw::ClassRecord record(WindowClass(
        "InfoWnd.InfoWnd", {{"EnableMenuItems", fw::HandlerOf(&InfoWnd::Event_EnableMenuItems)}}));
    return record;
}

std::shared_ptr<class InfoWnd> InfoWnd() {
    return ImplicitWindowOf<class InfoWnd>();
}

std::shared_ptr<fw::Window> AsWindow(const std::shared_ptr<class InfoWnd>& window) {
    return window;
}

void InfoWnd::Layout() {
    SetMenuBar(Menu::AsMenuBar(Menu::Menu()));
    fw::SetProperties(shared_from_this(), InfoWndWindowStream());
}

void InfoWnd::CreateControls0() {
    MakeControl<fw::TextArea>(*this, "StaticText1", InfoWndTextAreaStream());
}

std::shared_ptr<fw::TextArea> InfoWnd::StaticText1() {
    return ControlOf<fw::TextArea>(*this, "StaticText1");
}

void InfoWnd::Event_EnableMenuItems() {
    fw::Deref(EditCopy()).SetEnabled(true);
}

}  // namespace InfoWnd
