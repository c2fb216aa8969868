// Control events are hooked by their index in the class's event table: the
// indices are the ones the program's hooks were made for, a hook on an event
// that the runtime never raises is refused, and a class event whose handler
// does not fit is a RuntimeException that names it.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/object.h"
#include "framework/push_button.h"
#include "framework/rectangle.h"
#include "framework/runtime.h"
#include "framework/slider.h"
#include "framework/text_area.h"
#include "framework/text_field.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "tests/support/control_host.h"

namespace {

// Control's events 0 to 2, RectControl's 3 to 14, then each class's own.
static_assert(fw::TextField::KeyDown == 9);
static_assert(fw::TextField::TextChange == 21);
static_assert(fw::Slider::ValueChanged == 20);
static_assert(fw::PushButton::Action == 15);
static_assert(fw::PushButton::MouseDown == 18);
static_assert(fw::Timer::Action == 0);

class Hooks : public ControlHostTest {
  public:
    // A hook with the event's own signature, so that only the event decides.
    static void Hook(const std::shared_ptr<fw::Control>& control, std::string_view event) {
        const fw::ClassRecord& record = control->Record();
        int index = -1;
        for (int i = 0; record.EventAt(i); ++i) {
            if (record.EventAt(i)->name == event) {
                index = i;
            }
        }
        ASSERT_GE(index, 0) << event;
        fw::RuntimeAddEventHandler(
            control, index,
            fw::RuntimeCreateDelegate(std::function<void()>([] {}), *record.EventSignature(index)));
    }
};

TEST_F(Hooks, OnlyEventsThatTheRuntimeRaisesTakeAHook) {
    struct Case {
        std::function<std::shared_ptr<fw::Control>(Hooks&)> make;
        std::string_view event;
        bool raised;
    };
    const Case cases[] = {
        {[](Hooks& h) { return h.Add<fw::TextField>(); }, "KeyDown", true},
        {[](Hooks& h) { return h.Add<fw::TextField>(); }, "TextChange", true},
        {[](Hooks& h) { return h.Add<fw::TextField>(); }, "GotFocus", false},
        {[](Hooks& h) { return h.Add<fw::TextField>(); }, "SelChange", false},
        {[](Hooks& h) { return h.Add<fw::TextArea>(); }, "TextChange", false},
        {[](Hooks& h) { return h.Add<fw::Slider>(); }, "ValueChanged", true},
        {[](Hooks& h) { return h.Add<fw::Slider>(); }, "LostFocus", false},
        {[](Hooks& h) { return h.Add<fw::PushButton>(); }, "MouseDown", true},
        {[](Hooks& h) { return h.Add<fw::PushButton>(); }, "Action", true},
        {[](Hooks& h) { return h.Add<fw::PushButton>(); }, "MouseUp", false},
        {[](Hooks& h) { return h.Add<fw::Label>(); }, "MouseDown", false},
        {[](Hooks& h) { return h.Add<fw::Rectangle>(); }, "MouseDown", false},
        {[](Hooks& h) { return h.Add<fw::Canvas>(); }, "Paint", false},
        {[](Hooks& h) { return h.Add<fw::Timer>(); }, "Action", true},
    };
    for (const Case& c : cases) {
        const auto control = c.make(*this);
        SCOPED_TRACE(control->Record().Name() + " " + std::string(c.event));
        if (c.raised) {
            EXPECT_NO_THROW(Hook(control, c.event));
        } else {
            EXPECT_THROW(Hook(control, c.event), fw::RuntimeException);
        }
    }
}

// A timer is a control: the class check and the class chain agree on it.
TEST_F(Hooks, ATimerIsAControlToTheClassCheckAndTheEventQueryAlike) {
    const auto timer = Add<fw::Timer>();
    EXPECT_TRUE(fw::RuntimeCheckCast<fw::Control>(timer));
    EXPECT_TRUE(timer->Record().IsA(fw::Control::ClassInfo()));
    EXPECT_FALSE(fw::RuntimeIsEventHandled(timer, "Control", "Action", true));
}

// Windows whose handlers do not fit the events they handle.
class WrongHandlers : public fw::Window {
  public:
    static const fw::ClassRecord& ClassInfo() {
        static const fw::ClassRecord record({
            .name = "WrongHandlers",
            .super = &fw::Window::ClassInfo(),
            .handlers =
                {
                    {"KeyDown", fw::HandlerOf(&WrongHandlers::KeyTakesANumber)},
                    {"MouseDown", fw::HandlerOf(&WrongHandlers::ClickGivesAText)},
                },
        });
        return record;
    }
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    bool KeyTakesANumber(std::int64_t) { return true; }
    std::string ClickGivesAText(std::int64_t, std::int64_t) { return "no"; }
};

TEST(ClassEvents, AHandlerThatDoesNotFitIsARuntimeExceptionNamingTheEvent) {
    auto window = fw::RuntimeNewObject<WrongHandlers>();
    window->Constructor();
    const auto expectNamed = [](const std::function<void()>& raise, const std::string& event) {
        try {
            raise();
            ADD_FAILURE() << event << " was raised";
        } catch (const fw::RuntimeException& e) {
            EXPECT_NE(e.Message().find(event), std::string::npos) << e.Message();
        }
    };
    expectNamed([&] { window->HandleKeyDown("a"); }, "KeyDown");
    expectNamed([&] { window->HandleMouseDown(1, 2); }, "MouseDown");
    expectNamed([&] { window->RaiseClassEvent("Resized"); }, "Resized");
    window->Close();
    fw::ClearQuitRequest();
}

TEST(ClassEvents, AClassCannotHandleAnEventThatNoClassOfItsChainRaises) {
    EXPECT_THROW(fw::ClassRecord({
                     .name = "Misspelt",
                     .super = &fw::Window::ClassInfo(),
                     .handlers = {{"Activte", fw::HandlerOf(&fw::Window::Show)}},
                 }),
                 fw::RuntimeException);
}

}  // namespace
