#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/runtime.h"
#include "framework/startup.h"

namespace {

// ctest reads this exit code as "skipped" (SKIP_RETURN_CODE): a program
// whose tests all passed but one or more skipped has not covered all it
// guards, and must not read as passed.
constexpr int kSomeSkipped = 77;

}  // namespace

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
    int result = RUN_ALL_TESTS();
    if (result == 0 && testing::UnitTest::GetInstance()->skipped_test_count() > 0) {
        result = kSomeSkipped;
    }
    fw::RuntimeExit();
    return result;
}
