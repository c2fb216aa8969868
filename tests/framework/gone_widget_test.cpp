// A control kept after its window has gone: each use that needs its widget
// raises NilObjectException, for every class of control, as it does before
// the control's Constructor has made the widget.

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/rectangle.h"
#include "framework/runtime.h"
#include "framework/slider.h"
#include "framework/text_area.h"
#include "framework/text_field.h"
#include "framework/window.h"

namespace {

// The control, its window closed and let go, and the widgets deleted.
template <class T>
std::shared_ptr<T> KeptPastItsWindow() {
    auto window = fw::RuntimeNewObject<fw::Window>();
    window->Constructor();
    auto control = window->New<T>();
    control->Constructor();
    window->AddControl("Kept", control);
    window->Close();
    window.reset();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fw::ClearQuitRequest();
    return control;
}

template <class T>
using Uses = std::vector<std::pair<const char*, std::function<void(T&)>>>;

// What every drawn control has, then what its class adds.
template <class T>
void ExpectEachUseRaises(const std::shared_ptr<T>& control, const Uses<T>& own) {
    Uses<T> uses = {
        {"SetLeft", [](T& c) { c.SetLeft(1); }},
        {"SetWidth", [](T& c) { c.SetWidth(10); }},
        {"SetLockRight", [](T& c) { c.SetLockRight(true); }},
        {"SetVisible", [](T& c) { c.SetVisible(false); }},
        {"SetEnabled", [](T& c) { c.SetEnabled(false); }},
        {"SetTabStop", [](T& c) { c.SetTabStop(false); }},
        {"SetTooltip", [](T& c) { c.SetTooltip("x"); }},
    };
    uses.insert(uses.end(), own.begin(), own.end());
    ASSERT_FALSE(control->Widget());
    for (const auto& [what, use] : uses) {
        EXPECT_THROW(use(*control), fw::NilObjectException)
            << control->Record().Name() << " " << what;
    }
}

template <class T>
Uses<T> TextStyleUses() {
    return {
        {"SetFontName", [](T& c) { c.SetFontName("System"); }},
        {"SetFontSize", [](T& c) { c.SetFontSize(12); }},
        {"SetBold", [](T& c) { c.SetBold(true); }},
        {"SetTextColor", [](T& c) { c.SetTextColor({}); }},
        {"SetTextAlignment", [](T& c) { c.SetTextAlignment(2); }},
    };
}

template <class T>
Uses<T> With(Uses<T> first, const Uses<T>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

TEST(AControlWhoseWidgetIsGone, RaisesNilObjectOnEveryUseOfTheWidget) {
    ExpectEachUseRaises(
        KeptPastItsWindow<fw::Label>(),
        With<fw::Label>(TextStyleUses<fw::Label>(),
                        {
                            {"Caption", [](fw::Label& c) { (void)c.Caption(); }},
                            {"SetCaption", [](fw::Label& c) { c.SetCaption("x"); }},
                            {"SetMultiLine", [](fw::Label& c) { c.SetMultiLine(true); }},
                            {"SetSelectable", [](fw::Label& c) { c.SetSelectable(true); }},
                        }));
    ExpectEachUseRaises(
        KeptPastItsWindow<fw::TextField>(),
        With<fw::TextField>(
            TextStyleUses<fw::TextField>(),
            {
                {"Text", [](fw::TextField& c) { (void)c.Text(); }},
                {"SetText", [](fw::TextField& c) { c.SetText("x"); }},
                {"SetHasBorder", [](fw::TextField& c) { c.SetHasBorder(false); }},
                {"SetHint", [](fw::TextField& c) { c.SetHint("x"); }},
                {"SetPassword", [](fw::TextField& c) { c.SetPassword(true); }},
                {"SetReadOnly", [](fw::TextField& c) { c.SetReadOnly(true); }},
                {"SetBackgroundColor", [](fw::TextField& c) { c.SetBackgroundColor({}); }},
            }));
    ExpectEachUseRaises(
        KeptPastItsWindow<fw::PushButton>(),
        With<fw::PushButton>(TextStyleUses<fw::PushButton>(),
                             {
                                 {"Caption", [](fw::PushButton& c) { (void)c.Caption(); }},
                                 {"SetCaption", [](fw::PushButton& c) { c.SetCaption("x"); }},
                                 {"SetDefault", [](fw::PushButton& c) { c.SetDefault(true); }},
                             }));
    ExpectEachUseRaises(
        KeptPastItsWindow<fw::Slider>(),
        Uses<fw::Slider>{
            {"Value", [](fw::Slider& c) { (void)c.Value(); }},
            {"SetValue", [](fw::Slider& c) { c.SetValue(3); }},
            {"SetMaximumValue", [](fw::Slider& c) { c.SetMaximumValue(9); }},
            {"SetLineStep", [](fw::Slider& c) { c.SetLineStep(2); }},
            {"SetPageStep", [](fw::Slider& c) { c.SetPageStep(2); }},
            {"SetAllowLiveScrolling", [](fw::Slider& c) { c.SetAllowLiveScrolling(false); }},
        });
    ExpectEachUseRaises(
        KeptPastItsWindow<fw::TextArea>(),
        With<fw::TextArea>(
            TextStyleUses<fw::TextArea>(),
            {
                {"SetText", [](fw::TextArea& c) { c.SetText("x"); }},
                {"SetReadOnly", [](fw::TextArea& c) { c.SetReadOnly(true); }},
                {"SetBackgroundColor", [](fw::TextArea& c) { c.SetBackgroundColor({}); }},
                {"SetHasBorder", [](fw::TextArea& c) { c.SetHasBorder(true); }},
                {"SetMultiLine", [](fw::TextArea& c) { c.SetMultiLine(false); }},
                {"SetHasVerticalScrollbar",
                 [](fw::TextArea& c) { c.SetHasVerticalScrollbar(true); }},
            }));
    ExpectEachUseRaises(KeptPastItsWindow<fw::Canvas>(),
                        Uses<fw::Canvas>{
                            {"SetBackdrop", [](fw::Canvas& c) { c.SetBackdrop(nullptr); }},
                            {"SetAllowFocus", [](fw::Canvas& c) { c.SetAllowFocus(true); }},
                        });
    ExpectEachUseRaises(
        KeptPastItsWindow<fw::Rectangle>(),
        Uses<fw::Rectangle>{
            {"SetFillColor", [](fw::Rectangle& c) { c.SetFillColor({}); }},
            {"SetBorderThickness", [](fw::Rectangle& c) { c.SetBorderThickness(2); }},
        });
}

TEST(AControlNotYetConstructed, RaisesNilObjectAsWell) {
    ExpectEachUseRaises(fw::RuntimeNewObject<fw::Label>(),
                        Uses<fw::Label>{{"SetCaption", [](fw::Label& c) { c.SetCaption("x"); }}});
    ExpectEachUseRaises(fw::RuntimeNewObject<fw::TextField>(),
                        Uses<fw::TextField>{{"Text", [](fw::TextField& c) { (void)c.Text(); }}});
}

}  // namespace
