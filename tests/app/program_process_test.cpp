// The whole program started as a process, as a user starts it, through
// copies of it built with a driver file beside its own main (the program has
// no switches of its own): nerq_driven acts as a user and says what it sees;
// nerq_failing_start has a start that fails beyond even the
// unhandled-exception routine.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/trace_lines.h"

namespace {

// The number that follows `head` on the first line starting with it.
std::optional<long long> NumberAfter(const std::vector<std::string>& lines,
                                     const std::string& head) {
    for (const std::string& line : lines) {
        if (line.starts_with(head)) {
            return std::stoll(line.substr(head.size()));
        }
    }
    return std::nullopt;
}

TEST(Program, ShowsTheSplashHandsOverShowsItAgainForBothAboutEntriesAndQuits) {
    const ChildRun run = RunChild(NERQ_DRIVEN);
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.finished);
    const std::string seen = Joined(run.out) + run.err;
    EXPECT_FALSE(run.crashed) << seen;
    EXPECT_EQ(run.exitCode, 0) << seen;

    const std::vector<std::string> expected = {
        "trace RuntimeInit",
        "trace RuntimePerformInitializers",
        "trace RuntimeSetExceptionHelper ( Ptr, Ptr ) as Object",
        "trace RuntimeRegisterAppObject HandleAboutMenu",
        "trace Application.AddMenuHandler AboutZOP",
        "trace Application.AddMenuHandler AboutMenuItem",
        "trace Window.Constructor AboutWnd.AboutWnd",
        "trace RuntimeRun",
        // What the user sees: the splash alone, still alone after 3 s, and
        // then the simulator alone.
        "loop started: AboutWnd.AboutWnd",
        "at 3 s: AboutWnd.AboutWnd",
        "handed over: ControlWnd.ControlWnd",
        "splash open",
        // Window > About Nerq, the AboutMenuItem entry.
        "Window > About Nerq (first): AboutWnd.AboutWnd ControlWnd.ControlWnd",
        "key in the splash: ControlWnd.ControlWnd",
        // Window > About Nerq, the AboutZOP entry.
        "Window > About Nerq (second): AboutWnd.AboutWnd ControlWnd.ControlWnd",
        "File > Quit",
        // The loop has ended; the entry point's last two steps.
        "trace RuntimePerformFinalizers",
        "finalisers ran",
        "trace RuntimeExit",
    };
    EXPECT_EQ(MissingInOrder(run.out, expected), "") << seen;
    // The splash's own timer of 4 s hands over, not anything sooner; no other
    // test waits it out.
    const std::optional<long long> handOver = NumberAfter(run.out, "simulator shown at ");
    ASSERT_TRUE(handOver) << seen;
    EXPECT_GE(*handOver, 4000) << seen;
    // Every About showed the one splash of the start again.
    EXPECT_EQ(CountOf(run.out, "trace Window.Constructor AboutWnd.AboutWnd"), 1u) << seen;
    EXPECT_EQ(CountStartingWith(run.out, "driver "), 0u) << seen;
    EXPECT_EQ(run.err.find("unhandled exception"), std::string::npos) << run.err;
}

TEST(Program, StillRunsTheFinalisersAndExitsWithFailureWhenTheUnhandledRoutineRaises) {
    const ChildRun run = RunChild(NERQ_FAILING_START);
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.finished);
    const std::string seen = Joined(run.out) + run.err;
    EXPECT_FALSE(run.crashed) << seen;
    EXPECT_NE(run.exitCode, 0) << seen;
    const std::vector<std::string> expected = {
        "trace RuntimePerformInitializers",
        "unhandled NilObjectException: an initialiser failed",
        "trace RuntimePerformFinalizers",
        "finaliser ran",
        "trace RuntimeExit",
    };
    EXPECT_EQ(MissingInOrder(run.out, expected), "") << seen;
    EXPECT_EQ(CountStartingWith(run.out, "trace New "), 0u) << seen;
    EXPECT_EQ(CountOf(run.out, "trace RuntimeRun"), 0u) << seen;
}

}  // namespace
