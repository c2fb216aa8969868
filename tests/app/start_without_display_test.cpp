// Starts where the program cannot show its windows: the program started as a
// process, as a user starts it, in the environment of each case. It ends
// with the README's start-up failure code, 3, and one line on standard error
// that says what is wrong, never by a signal that leaves a core.

#include <gtest/gtest.h>

#include <QProcessEnvironment>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/trace_lines.h"
#include "tests/support/xvfb_server.h"

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

// The driven copy of the program on an Xvfb display of its own, of `depth`
// bits of colour; nothing where no server could start.
std::optional<ChildRun> RunDrivenOnXvfb(int depth) {
    const XvfbServer server(depth);
    if (server.Display().isEmpty()) {
        return std::nullopt;
    }
    return RunChildIn(Environment("xcb", server.Display()), NERQ_DRIVEN);
}

// Where Xvfb is missing there is nothing to start on.
class StartOnXvfb : public testing::Test {
  protected:
    void SetUp() override {
        if (!XvfbServer::Installed()) {
            GTEST_SKIP() << "Xvfb is not installed";
        }
    }
};

// An X display of 8-bit colour: Qt comes up but cannot draw there, so the
// start ends through the unhandled-exception routine, without a window or
// the event loop, and still shuts down.
TEST_F(StartOnXvfb, RefusesADisplayOfTooFewColoursAndStillShutsDown) {
    const std::optional<ChildRun> refused = RunDrivenOnXvfb(8);
    if (!refused) {
        GTEST_SKIP() << "no display number free for Xvfb";
    }
    ASSERT_TRUE(refused->started);
    ASSERT_TRUE(refused->finished);
    const std::string seen = Joined(refused->out) + refused->err;
    EXPECT_FALSE(refused->crashed) << seen;
    EXPECT_EQ(refused->exitCode, kCannotStart) << seen;
    EXPECT_NE(refused->err.find("DisplayException: the X display \":"), std::string::npos) << seen;
    EXPECT_NE(refused->err.find("\" has 8-bit colour; windows need 15-bit colour or more"),
              std::string::npos)
        << seen;
    // Nothing between the initialisers and the shut-down: no object, no
    // window, no event loop. The classes that the initialisers register are
    // left out.
    std::vector<std::string> steps;
    std::copy_if(
        refused->out.begin(), refused->out.end(), std::back_inserter(steps),
        [](const std::string& line) { return !line.starts_with("trace RuntimeRegisterClass "); });
    const std::vector<std::string> expected = {
        "trace RuntimeInit",
        "trace RuntimePerformInitializers",
        "trace RuntimePerformFinalizers",
        "finalisers ran",
        "trace RuntimeExit",
    };
    EXPECT_EQ(steps, expected) << seen;
}

// 15-bit colour is the least that draws: there the whole program runs as on
// any display.
TEST_F(StartOnXvfb, RunsOnTheLeastColoursThatDraw) {
    const std::optional<ChildRun> ran = RunDrivenOnXvfb(15);
    if (!ran) {
        GTEST_SKIP() << "no display number free for Xvfb";
    }
    const std::string ranSeen = Joined(ran->out) + ran->err;
    ASSERT_TRUE(ran->finished) << ranSeen;
    EXPECT_FALSE(ran->crashed) << ranSeen;
    EXPECT_EQ(ran->exitCode, 0) << ranSeen;
    EXPECT_EQ(MissingInOrder(ran->out, {"trace RuntimeRun", "File > Quit", "trace RuntimeExit"}),
              "")
        << ranSeen;
}

}  // namespace
