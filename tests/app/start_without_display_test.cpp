// Starts where the program cannot show its windows: the program started as a
// process, as a user starts it, in the environment of each case. It ends
// with the README's start-up failure code, 3, and one line on standard error
// that says what is wrong, never by a signal that leaves a core.

#include <gtest/gtest.h>

#include <QProcessEnvironment>

#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace {

constexpr int kCannotStart = 3;

QProcessEnvironment Environment(const QString& platform, const QString& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", platform);
    if (display.isEmpty()) {
        environment.remove("DISPLAY");
    } else {
        environment.insert("DISPLAY", display);
    }
    return environment;
}

// No window platform comes up, so the process ends before the runtime does
// anything else.
TEST(StartWithoutDisplay, EndsWithItsOwnLineAndTheStartFailureCode) {
    struct Case {
        const char* what;
        QString platform;
        QString display;
        std::string says;
    };
    const std::vector<Case> cases = {
        {"no DISPLAY", "xcb", "", "nerq: cannot start: no X display is named (DISPLAY is not set)"},
        // No server answers there (display numbers from 7 are the tests' own).
        {"a display without a server", "xcb", ":97",
         "nerq: cannot start: the X display \":97\" cannot be opened"},
        {"an unknown platform", "bogus", ":97",
         "nerq: cannot start: there is no Qt platform plugin \"bogus\"; Qt's platform plugins "
         "are: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChildRun run = RunChildIn(Environment(c.platform, c.display), NERQ_PROGRAM);
        ASSERT_TRUE(run.started);
        ASSERT_TRUE(run.finished);
        EXPECT_FALSE(run.crashed) << run.err;
        EXPECT_EQ(run.exitCode, kCannotStart) << run.err;
        EXPECT_TRUE(run.err.starts_with(c.says)) << run.err;
        // One line, and none of Qt's own about the plugins.
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_TRUE(run.out.empty()) << Joined(run.out);
    }
}

}  // namespace
