#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/runtime.h"
#include "framework/startup.h"

// Every test program brings the runtime up on Qt's offscreen platform, so the
// tests drive real widgets without a display.
int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    fw::RuntimeInit(argc, argv);
    // The class initialisers, as the program's entry runs them.
    fw::RuntimePerformInitializers();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    fw::RuntimeExit();
    return result;
}
