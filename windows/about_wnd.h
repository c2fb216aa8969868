#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "windows/about_wnd_accessor.h"
#include "windows/program_window.h"

namespace AboutWnd {

// The splash window at start, and the About box later: the product name, the
// chart and the notice line. Its timer, a key press or a click in it hands
// over to the simulator.
class AboutWnd : public ProgramWindow {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    void Layout() override;
    void CreateControls0() override;

    virtual std::shared_ptr<fw::Label> StaticText5();
    virtual std::shared_ptr<fw::Canvas> Canvas1();
    virtual std::shared_ptr<fw::Label> StaticText1();
    virtual std::shared_ptr<fw::Timer> Timer1();

    virtual void Timer1_Action(std::shared_ptr<fw::Timer> timer);
    virtual bool Event_KeyDown(std::string key);
    virtual bool Event_MouseDown(std::int64_t x, std::int64_t y);

  private:
    // Hides this window and shows the simulator.
    void HandOver();
};

}  // namespace AboutWnd
