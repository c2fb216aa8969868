// The program started as a process, as a user starts it, in the environment
// of each case. Where it cannot show its windows it ends with the README's
// start-up failure code, 3, and one line on standard error that says what
// is wrong, never by a signal that leaves a core; on every display that
// draws, scaled for a high-resolution screen or not, it runs.

#include <gtest/gtest.h>
#include <QProcessEnvironment>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/trace_lines.h"
#include "tests/support/xvfb_server.h"

namespace {

constexpr int kCannotStart = 3;

// `display` nothing: DISPLAY is not set at all.
QProcessEnvironment Environment(const QString& platform, const std::optional<QString>& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", platform);
    if (display) {
        environment.insert("DISPLAY", *display);
    } else {
        environment.remove("DISPLAY");
    }
    return environment;
}

// One line on standard error and the start-up failure code, never a signal
// that leaves a core, and nothing on standard output.
void ExpectRefusedWith(const ChildRun& run, const std::string& line) {
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.finished);
    EXPECT_FALSE(run.crashed) << run.err;
    EXPECT_EQ(run.exitCode, kCannotStart) << run.err;
    EXPECT_TRUE(run.err.starts_with(line)) << run.err;
    // One line, and none of Qt's own about the platform.
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

// No window platform comes up, or one comes up without a screen, so the
// process ends before the runtime does anything else.
TEST(StartWithoutDisplay, EndsWithItsOwnLineAndTheStartFailureCode) {
    struct Case {
        const char* what;
        QString platform;
        std::optional<QString> display;
        std::string says;
        bool qtLeaks = false;  // see below
    };
    const std::vector<Case> cases = {
        {"no DISPLAY", "xcb", std::nullopt,
         "nerq: cannot start: no X display is named (DISPLAY is not set)"},
        {"an empty DISPLAY", "xcb", "",
         "nerq: cannot start: no X display is named (DISPLAY is empty)"},
        // No server answers there (the tests' own Xvfb servers take :7 to :9).
        {"a display without a server", "xcb", ":97",
         "nerq: cannot start: the X display \":97\" cannot be opened"},
        {"an unknown platform", "bogus", ":97",
         "nerq: cannot start: there is no Qt platform plugin \"bogus\"; Qt's platform plugins "
         "are: "},
        // A framebuffer platform on a machine whose framebuffer is missing
        // (or not the user's: QT_QPA_FB names one that cannot be opened).
        {"a framebuffer platform without its framebuffer", "linuxfb:fb=/nonexistent/fb0", ":97",
         "nerq: cannot start: the Qt platform \"linuxfb\" has no screen to show windows on\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QProcessEnvironment environment = Environment(c.platform, c.display);
        if (c.qtLeaks) {
            // Qt's framebuffer platform never frees the input handlers that
            // it makes as it comes up, whatever the program does; a leak
            // check in a sanitizer build would fail the start for that.
            const QString options = environment.value("ASAN_OPTIONS");
            environment.insert("ASAN_OPTIONS",
                               options + (options.isEmpty() ? "" : ":") + "detect_leaks=0");
        }
        const ChildRun run = RunChildIn(environment, NERQ_PROGRAM);
        ExpectRefusedWith(run, c.says);
        EXPECT_TRUE(run.out.empty()) << Joined(run.out);
    }
}

// Starts on an X display of the test's own, a virtual one of the colour
// depth that the test asks for. Where Xvfb is missing, or no display number
// is free, there is nothing to start on.
class StartOnXvfb : public testing::Test {
  protected:
    void SetUp() override {
        if (!XvfbServer::Installed()) {
            GTEST_SKIP() << "Xvfb is not installed";
        }
    }
    // A new server, in place of the last; nothing where none could start.
    const XvfbServer* Server(int depth) {
        server_.reset();
        server_.emplace(depth);
        return server_->Display().isEmpty() ? nullptr : &*server_;
    }
    // The program on that server, with `settings` added to its environment.
    ChildRun Run(const QString& program, const std::map<QString, QString>& settings = {}) const {
        QProcessEnvironment environment = server_->ClientEnvironment();
        for (const auto& [name, value] : settings) {
            environment.insert(name, value);
        }
        return RunChildIn(environment, program);
    }

  private:
    std::optional<XvfbServer> server_;
};

// An X display of 8-bit colour: Qt comes up but cannot draw there, so the
// start ends with one line, without a window or the event loop, and still
// shuts down.
TEST_F(StartOnXvfb, RefusesADisplayOfTooFewColoursAndStillShutsDown) {
    const XvfbServer* server = Server(8);
    if (!server) {
        GTEST_SKIP() << "no display number free for Xvfb";
    }
    const std::string says = "nerq: cannot start: the X display \"" +
                             server->Display().toStdString() +
                             "\" has 8-bit colour; windows need 15-bit colour or more\n";
    const ChildRun refused = Run(NERQ_PROGRAM);
    ExpectRefusedWith(refused, says);
    EXPECT_EQ(refused.err, says);

    // The server ends with its last client: a new one for the next start.
    if (!Server(8)) {
        GTEST_SKIP() << "no display number free for Xvfb";
    }
    // Nothing between the initialisers and the shut-down: no object, no
    // window, no event loop. The classes that the initialisers register are
    // left out.
    const ChildRun driven = Run(NERQ_DRIVEN);
    const std::string seen = Joined(driven.out) + driven.err;
    ASSERT_TRUE(driven.finished) << seen;
    EXPECT_FALSE(driven.crashed) << seen;
    EXPECT_EQ(driven.exitCode, kCannotStart) << seen;
    std::vector<std::string> steps;
    std::copy_if(
        driven.out.begin(), driven.out.end(), std::back_inserter(steps),
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

// The whole program runs, its splash handing over to the simulator and the
// menus answering, on 15-bit colour, the least that draws, and on a 24-bit
// display however Qt is asked to scale for a high-resolution screen.
TEST_F(StartOnXvfb, RunsOnEveryDisplayThatDrawsScaledOrNot) {
    struct Case {
        int depth;
        std::map<QString, QString> settings;
        const char* ratio;  // the device pixel ratio that Qt then uses
    };
    const Case cases[] = {
        {15, {}, "1"},
        {24, {{"QT_SCALE_FACTOR", "2"}}, "2"},
        {24, {{"QT_SCALE_FACTOR", "1.5"}}, "1.5"},
        {24, {{"QT_SCREEN_SCALE_FACTORS", "2"}}, "2"},
        {24, {{"QT_FONT_DPI", "192"}}, "2"},
    };
    for (const Case& c : cases) {
        std::string what = std::to_string(c.depth) + "-bit";
        for (const auto& [name, value] : c.settings) {
            what += " " + name.toStdString() + "=" + value.toStdString();
        }
        SCOPED_TRACE(what);
        if (!Server(c.depth)) {
            GTEST_SKIP() << "no display number free for Xvfb";
        }
        const ChildRun ran = Run(NERQ_DRIVEN, c.settings);
        const std::string seen = Joined(ran.out) + ran.err;
        ASSERT_TRUE(ran.finished) << seen;
        EXPECT_FALSE(ran.crashed) << seen;
        EXPECT_EQ(ran.exitCode, 0) << seen;
        EXPECT_EQ(MissingInOrder(ran.out, {"trace RuntimeRun", "loop started: AboutWnd.AboutWnd",
                                           std::string("device pixel ratio: ") + c.ratio,
                                           "handed over: ControlWnd.ControlWnd", "File > Quit",
                                           "trace RuntimeExit"}),
                  "")
            << seen;
    }
}

}  // namespace
