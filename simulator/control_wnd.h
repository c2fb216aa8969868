#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/menu_item_accessors.h"
#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/menu_item.h"
#include "framework/push_button.h"
#include "framework/rectangle.h"
#include "framework/slider.h"
#include "framework/text_field.h"
#include "framework/window.h"
#include "simulator/control_wnd_accessor.h"
#include "windows/program_window.h"

namespace ControlWnd {

// The simulator's main window: the r and N fields with their sliders, Fisher's
// z, the t, p and confidence-interval read-outs, and the "?" button.
class ControlWnd : public ProgramWindow, public MenuItemAccessors {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    // Window construction.
    void Layout() override;
    void CreateControls0() override;

    // The controls, looked up by name and checked on every call.
    virtual std::shared_ptr<fw::TextField> rEdit();
    virtual std::shared_ptr<fw::TextField> nEdit();
    virtual std::shared_ptr<fw::Rectangle> Rectangle2();
    virtual std::shared_ptr<fw::Canvas> Canvas3();
    virtual std::shared_ptr<fw::Label> StaticText4();
    virtual std::shared_ptr<fw::Label> StaticText9();
    virtual std::shared_ptr<fw::Rectangle> Rectangle1();
    virtual std::shared_ptr<fw::Slider> rSlider();
    virtual std::shared_ptr<fw::Slider> nSlider();
    virtual std::shared_ptr<fw::Label> StaticText2();
    virtual std::shared_ptr<fw::Label> StaticText3();
    virtual std::shared_ptr<fw::Label> nText();
    virtual std::shared_ptr<fw::Label> StaticText8();
    virtual std::shared_ptr<fw::TextField> zFld();
    virtual std::shared_ptr<fw::PushButton> Qbtn();
    virtual std::shared_ptr<fw::Rectangle> Rectangle3();
    virtual std::shared_ptr<fw::Label> StaticText5();
    virtual std::shared_ptr<fw::Label> StaticText1();
    virtual std::shared_ptr<fw::Label> pText();
    virtual std::shared_ptr<fw::Label> StaticText7();
    virtual std::shared_ptr<fw::Label> ciText();
    virtual std::shared_ptr<fw::Label> tText();

    // Input handling.
    virtual void rEdit_TextChange(std::shared_ptr<fw::TextField> field);
    virtual bool rEdit_KeyDown(std::shared_ptr<fw::TextField> field, std::string key);
    virtual void nEdit_TextChange(std::shared_ptr<fw::TextField> field);
    virtual bool nEdit_KeyDown(std::shared_ptr<fw::TextField> field, std::string key);
    virtual void rSlider_ValueChanged(std::shared_ptr<fw::Slider> slider);
    virtual void nSlider_ValueChanged(std::shared_ptr<fw::Slider> slider);
    virtual bool Qbtn_MouseDown(std::shared_ptr<fw::PushButton> button, std::int64_t x,
                                std::int64_t y);

    // Window events and menu handlers.
    virtual void AddMenuHandlers(std::shared_ptr<fw::Window> window);
    virtual void Event_Close();
    virtual void Event_Activate();
    virtual void Event_EnableMenuItems();
    virtual bool DescriptionMenuItem_Action();
    virtual bool AboutZOP_Action();

    // Computes and shows t, p and the interval for r and the N of the N field;
    // storedN, which callers fill with the stored N, is not read.
    virtual void DoIt(double r, std::int64_t storedN);

    // The stored simulator values, all 0 when the window is created.
    double r = 0;
    std::int64_t N = 0;
    double t = 0;
    double p = 0;
    double z = 0;

  protected:
    std::shared_ptr<fw::MenuBar> AccessedBar() const override { return MenuBar(); }

  private:
    // Whether the window has been activated before.
    bool activated_ = false;

    template <class T>
    std::shared_ptr<T> Find(const char* name);
};

}  // namespace ControlWnd
