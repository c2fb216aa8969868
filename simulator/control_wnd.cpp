#include "simulator/control_wnd.h"

#include "app/chart_small.h"
#include "app/menu_accessor.h"
#include "framework/class_registry.h"
#include "framework/set_properties.h"
#include "simulator/control_wnd_streams.h"
#include "windows/window_construction.h"

namespace ControlWnd {
namespace {

const bool registered = fw::AddClassInitializer(&ControlWnd::ClassInfo);

}  // namespace

const fw::ClassRecord& ControlWnd::ClassInfo() {
    static const fw::ClassRecord record(
        WindowClass("ControlWnd.ControlWnd",
                    {
                        {"Activate", fw::HandlerOf(&ControlWnd::Event_Activate)},
                        {"AddMenuHandlers", fw::HandlerOf(&ControlWnd::AddMenuHandlers)},
                        {"Close", fw::HandlerOf(&ControlWnd::Event_Close)},
                        {"EnableMenuItems", fw::HandlerOf(&ControlWnd::Event_EnableMenuItems)},
                    }));
    return record;
}

std::shared_ptr<class ControlWnd> ControlWnd() {
    return ImplicitWindowOf<class ControlWnd>();
}

std::shared_ptr<fw::Window> AsWindow(const std::shared_ptr<class ControlWnd>& window) {
    return window;
}

void ControlWnd::Layout() {
    SetMenuBar(Menu::AsMenuBar(Menu::Menu()));
    fw::SetProperties(shared_from_this(), ControlWndWindowStream());
}

void ControlWnd::CreateControls0() {
    using fw::Label, fw::TextField, fw::Slider, fw::Rectangle, fw::Canvas, fw::PushButton;
    const auto stream = [](const char* name) -> const std::string& {
        return ControlWndControlStream(name);
    };
    MakeControl<TextField>(*this, "rEdit", stream("rEdit"));
    HookEvent<ControlWnd, TextField>(*this, "rEdit", TextField::TextChange,
                                     &ControlWnd::rEdit_TextChange, "( TextField )");
    HookEvent<ControlWnd, TextField>(*this, "rEdit", TextField::KeyDown, &ControlWnd::rEdit_KeyDown,
                                     "( TextField, String ) as Boolean");
    MakeControl<TextField>(*this, "nEdit", stream("nEdit"));
    HookEvent<ControlWnd, TextField>(*this, "nEdit", TextField::TextChange,
                                     &ControlWnd::nEdit_TextChange, "( TextField )");
    HookEvent<ControlWnd, TextField>(*this, "nEdit", TextField::KeyDown, &ControlWnd::nEdit_KeyDown,
                                     "( TextField, String ) as Boolean");
    MakeControl<Rectangle>(*this, "Rectangle2", stream("Rectangle2"));
    MakeControl<Canvas>(*this, "Canvas3", stream("Canvas3"),
                        [](Canvas& canvas) { canvas.SetBackdrop(x_ChartSmall::ChartSmall()); });
    MakeControl<Label>(*this, "StaticText4", stream("StaticText4"));
    MakeControl<Label>(*this, "StaticText9", stream("StaticText9"));
    MakeControl<Rectangle>(*this, "Rectangle1", stream("Rectangle1"));
    MakeControl<Slider>(*this, "rSlider", stream("rSlider"));
    HookEvent<ControlWnd, Slider>(*this, "rSlider", Slider::ValueChanged,
                                  &ControlWnd::rSlider_ValueChanged, "( Slider )");
    MakeControl<Slider>(*this, "nSlider", stream("nSlider"));
    HookEvent<ControlWnd, Slider>(*this, "nSlider", Slider::ValueChanged,
                                  &ControlWnd::nSlider_ValueChanged, "( Slider )");
    MakeControl<Label>(*this, "StaticText2", stream("StaticText2"));
    MakeControl<Label>(*this, "StaticText3", stream("StaticText3"));
    MakeControl<Label>(*this, "nText", stream("nText"));
    MakeControl<Label>(*this, "StaticText8", stream("StaticText8"));
    MakeControl<TextField>(*this, "zFld", stream("zFld"));
    MakeControl<PushButton>(*this, "Qbtn", stream("Qbtn"));
    HookEvent<ControlWnd, PushButton>(*this, "Qbtn", PushButton::MouseDown,
                                      &ControlWnd::Qbtn_MouseDown,
                                      "( PushButton, Integer, Integer ) as Boolean");
    MakeControl<Rectangle>(*this, "Rectangle3", stream("Rectangle3"));
    MakeControl<Label>(*this, "StaticText5", stream("StaticText5"));
    MakeControl<Label>(*this, "StaticText1", stream("StaticText1"));
    MakeControl<Label>(*this, "pText", stream("pText"));
    MakeControl<Label>(*this, "StaticText7", stream("StaticText7"));
    MakeControl<Label>(*this, "ciText", stream("ciText"));
    MakeControl<Label>(*this, "tText", stream("tText"));
}

template <class T>
std::shared_ptr<T> ControlWnd::Find(const char* name) {
    return ControlOf<T>(*this, name);
}

std::shared_ptr<fw::TextField> ControlWnd::rEdit() {
    return Find<fw::TextField>("rEdit");
}
std::shared_ptr<fw::TextField> ControlWnd::nEdit() {
    return Find<fw::TextField>("nEdit");
}
std::shared_ptr<fw::Rectangle> ControlWnd::Rectangle2() {
    return Find<fw::Rectangle>("Rectangle2");
}
std::shared_ptr<fw::Canvas> ControlWnd::Canvas3() {
    return Find<fw::Canvas>("Canvas3");
}
std::shared_ptr<fw::Label> ControlWnd::StaticText4() {
    return Find<fw::Label>("StaticText4");
}
std::shared_ptr<fw::Label> ControlWnd::StaticText9() {
    return Find<fw::Label>("StaticText9");
}
std::shared_ptr<fw::Rectangle> ControlWnd::Rectangle1() {
    return Find<fw::Rectangle>("Rectangle1");
}
std::shared_ptr<fw::Slider> ControlWnd::rSlider() {
    return Find<fw::Slider>("rSlider");
}
std::shared_ptr<fw::Slider> ControlWnd::nSlider() {
    return Find<fw::Slider>("nSlider");
}
std::shared_ptr<fw::Label> ControlWnd::StaticText2() {
    return Find<fw::Label>("StaticText2");
}
std::shared_ptr<fw::Label> ControlWnd::StaticText3() {
    return Find<fw::Label>("StaticText3");
}
std::shared_ptr<fw::Label> ControlWnd::nText() {
    return Find<fw::Label>("nText");
}
std::shared_ptr<fw::Label> ControlWnd::StaticText8() {
    return Find<fw::Label>("StaticText8");
}
std::shared_ptr<fw::TextField> ControlWnd::zFld() {
    return Find<fw::TextField>("zFld");
}
std::shared_ptr<fw::PushButton> ControlWnd::Qbtn() {
    return Find<fw::PushButton>("Qbtn");
}
std::shared_ptr<fw::Rectangle> ControlWnd::Rectangle3() {
    return Find<fw::Rectangle>("Rectangle3");
}
std::shared_ptr<fw::Label> ControlWnd::StaticText5() {
    return Find<fw::Label>("StaticText5");
}
std::shared_ptr<fw::Label> ControlWnd::StaticText1() {
    return Find<fw::Label>("StaticText1");
}
std::shared_ptr<fw::Label> ControlWnd::pText() {
    return Find<fw::Label>("pText");
}
std::shared_ptr<fw::Label> ControlWnd::StaticText7() {
    return Find<fw::Label>("StaticText7");
}
std::shared_ptr<fw::Label> ControlWnd::ciText() {
    return Find<fw::Label>("ciText");
}
std::shared_ptr<fw::Label> ControlWnd::tText() {
    return Find<fw::Label>("tText");
}

}  // namespace ControlWnd
