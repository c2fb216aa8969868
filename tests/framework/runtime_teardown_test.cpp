// The runtime's teardown does not depend on its caller: a process that ends
// without RuntimeExit, with windows open and closed, ends cleanly.

#include <gtest/gtest.h>
#include <QTest>

#include <cstdlib>

#include "framework/runtime.h"
#include "framework/slider.h"
#include "framework/text_field.h"
#include "framework/timer.h"
#include "framework/window.h"

namespace {

void OpenWindowsAndExitWithoutRuntimeExit() {
    for (int i = 0; i < 2; ++i) {
        auto window = fw::RuntimeNewObject<fw::Window>();
        window->Constructor();
        for (const char* name : {"Field", "Slider", "Timer"}) {
            std::shared_ptr<fw::Control> control;
            if (name[0] == 'F') {
                control = window->New<fw::TextField>();
            } else if (name[0] == 'S') {
                control = window->New<fw::Slider>();
            } else {
                control = window->New<fw::Timer>();
            }
            control->Constructor();
            window->AddControl(name, control);
        }
        window->Show();
        if (i == 1) {
            window->Close();
        }
    }
    QTest::qWait(10);
    std::exit(0);
}

TEST(RuntimeTeardown, AProcessThatEndsWithoutRuntimeExitEndsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(OpenWindowsAndExitWithoutRuntimeExit(), testing::ExitedWithCode(0), "");
}

}  // namespace
