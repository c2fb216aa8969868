// The program started as a process, as a user starts it, in the environment
// of each case. Where it cannot show its windows it ends with the README's
// start-up failure code, 3, and one line on standard error that says what
// is wrong, never by a signal that leaves a core; on every display that
// draws, scaled for a high-resolution screen or not, it runs.

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/trace_lines.h"
#include "tests/support/xvfb_server.h"

namespace {

constexpr int kCannotStart = 3;

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
    EXPECT_TRUE(run.out.empty()) << Joined(run.out);
}

// An X display that no server answers here: neither its socket nor its lock
// file is there, and the tests' own servers take the lowest free numbers.
QString DisplayWithoutServer() {
    int number = 97;
    while (QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(number)) ||
           QFileInfo::exists(QString("/tmp/.X%1-lock").arg(number))) {
        ++number;
    }
    return ":" + QString::number(number);
}

// No window platform comes up, or one comes up without a screen, so the
// process ends before the runtime does anything else.
TEST(StartWithoutDisplay, EndsWithItsOwnLineAndTheStartFailureCode) {
    const QString nowhere = DisplayWithoutServer();
    struct Case {
        const char* what;
        QString platform;
        std::optional<QString> display;
        std::string says;
    };
    const std::vector<Case> cases = {
        {"no DISPLAY", "xcb", std::nullopt,
         "nerq: cannot start: no X display is named (DISPLAY is not set)"},
        {"an empty DISPLAY", "xcb", "",
         "nerq: cannot start: no X display is named (DISPLAY is empty)"},
        {"a display without a server", "xcb", nowhere,
         "nerq: cannot start: the X display \"" + nowhere.toStdString() + "\" cannot be opened"},
        {"an unknown platform", "bogus", nowhere,
         "nerq: cannot start: there is no Qt platform plugin \"bogus\"; Qt's platform plugins "
         "are: "},
        // A framebuffer platform on a machine whose framebuffer is missing
        // (or not the user's: QT_QPA_FB names one that cannot be opened).
        {"a framebuffer platform without its framebuffer", "linuxfb:fb=/nonexistent/fb0", nowhere,
         "nerq: cannot start: the Qt platform \"linuxfb\" has no screen to show windows on\n"},
    };
    std::vector<ChildStart> starts;
    for (const Case& c : cases) {
        starts.push_back({PlatformEnvironment(c.platform, c.display), NERQ_PROGRAM});
    }
    const std::vector<ChildRun> runs = RunChildrenIn(starts);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        ExpectRefusedWith(runs[i], cases[i].says);
    }
}

// Where Qt's Wayland platform is installed and no compositor runs, the
// start is refused in the same one line, whether or not there is a runtime
// directory to look for a compositor in.
TEST(StartWithoutDisplay, EndsWithItsOwnLineWhereNoWaylandCompositorRuns) {
    const QString plugin =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqwayland-generic.so";
    if (!QFileInfo::exists(plugin)) {
        GTEST_SKIP() << "Qt's Wayland platform is not installed (" << plugin.toStdString() << ")";
    }
    const QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    struct Case {
        const char* what;
        QString platform;
        std::map<QString, QString> settings;  // XDG_RUNTIME_DIR is not set otherwise
        std::string says;
    };
    const std::vector<Case> cases = {
        {"no display named",
         "wayland",
         {{"XDG_RUNTIME_DIR", runtime.path()}},
         "nerq: cannot start: the Wayland display \"wayland-0\" cannot be opened\n"},
        {"a display named",
         "wayland",
         {{"XDG_RUNTIME_DIR", runtime.path()}, {"WAYLAND_DISPLAY", "nerq-nowhere"}},
         "nerq: cannot start: the Wayland display \"nerq-nowhere\" cannot be opened\n"},
        {"no runtime directory",
         "wayland",
         {},
         "nerq: cannot start: no Wayland display can be reached (XDG_RUNTIME_DIR is not set)\n"},
        {"the EGL platform, no runtime directory",
         "wayland-egl",
         {},
         "nerq: cannot start: no Wayland display can be reached (XDG_RUNTIME_DIR is not set)\n"},
    };
    std::vector<ChildStart> starts;
    for (const Case& c : cases) {
        QProcessEnvironment environment = PlatformEnvironment(c.platform, std::nullopt);
        environment.remove("XDG_RUNTIME_DIR");
        for (const auto& [name, value] : c.settings) {
            environment.insert(name, value);
        }
        starts.push_back({environment, NERQ_PROGRAM});
    }
    const std::vector<ChildRun> runs = RunChildrenIn(starts);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        ExpectRefusedWith(runs[i], cases[i].says);
        EXPECT_EQ(runs[i].err, cases[i].says);
    }
}

// The program on `server`, with `settings` added to its environment.
ChildStart On(const XvfbServer& server, const QString& program,
              const std::map<QString, QString>& settings = {}) {
    QProcessEnvironment environment = server.ClientEnvironment();
    for (const auto& [name, value] : settings) {
        environment.insert(name, value);
    }
    return {environment, program};
}

// An X display of 8-bit colour, scaled for a high-resolution screen or not:
// Qt comes up but cannot draw there, so the start ends with one line,
// without a window or the event loop, and still shuts down. Each start has
// a server of its own (a server ends with its last client); they all run at
// once.
TEST(StartOnXvfb, RefusesADisplayOfTooFewColoursAndStillShutsDown) {
    const auto servers = XvfbServer::Several({8, 8, 8});
    for (const auto& server : servers) {
        REQUIRE_RUNNING(*server);
    }
    const std::vector<ChildRun> runs = RunChildrenIn({
        On(*servers[0], NERQ_PROGRAM),
        On(*servers[1], NERQ_PROGRAM, {{"QT_SCALE_FACTOR", "2"}}),
        On(*servers[2], NERQ_DRIVEN),
    });
    for (const std::size_t i : {0u, 1u}) {
        SCOPED_TRACE(i == 0 ? "not scaled" : "QT_SCALE_FACTOR=2");
        const std::string says = "nerq: cannot start: the X display \"" +
                                 servers[i]->Display().toStdString() +
                                 "\" has 8-bit colour; windows need 15-bit colour or more\n";
        ExpectRefusedWith(runs[i], says);
        EXPECT_EQ(runs[i].err, says);
    }

    // Nothing between the initialisers and the shut-down: no object, no
    // window, no event loop. The classes that the initialisers register are
    // left out.
    const ChildRun& driven = runs[2];
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
// display however Qt is asked to scale for a high-resolution screen. One
// start waits for the splash's own timer; the others, about the display
// alone, hand over with a key once the splash is drawn.
TEST(StartOnXvfb, RunsOnEveryDisplayThatDrawsScaledOrNot) {
    struct Case {
        int depth;
        std::map<QString, QString> settings;
        const char* ratio;  // the device pixel ratio that Qt then uses
        bool byTimer = false;
    };
    const std::vector<Case> cases = {
        {15, {}, "1", true},
        {24, {{"QT_SCALE_FACTOR", "2"}}, "2"},
        {24, {{"QT_SCALE_FACTOR", "1.5"}}, "1.5"},
        {24, {{"QT_SCREEN_SCALE_FACTORS", "2"}}, "2"},
        {24, {{"QT_FONT_DPI", "192"}}, "2"},
    };
    std::vector<int> depths;
    for (const Case& c : cases) {
        depths.push_back(c.depth);
    }
    const auto servers = XvfbServer::Several(depths);
    for (const auto& server : servers) {
        REQUIRE_RUNNING(*server);
    }
    std::vector<ChildStart> starts;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::map<QString, QString> settings = cases[i].settings;
        if (!cases[i].byTimer) {
            settings.emplace("NERQ_DRIVER_HAND_OVER", "key");
        }
        starts.push_back(On(*servers[i], NERQ_DRIVEN, settings));
    }
    const std::vector<ChildRun> runs = RunChildrenIn(starts);

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        std::string what = std::to_string(c.depth) + "-bit";
        for (const auto& [name, value] : c.settings) {
            what += " " + name.toStdString() + "=" + value.toStdString();
        }
        SCOPED_TRACE(what);
        const ChildRun& ran = runs[i];
        const std::string seen = Joined(ran.out) + ran.err;
        ASSERT_TRUE(ran.finished) << seen;
        EXPECT_FALSE(ran.crashed) << seen;
        EXPECT_EQ(ran.exitCode, 0) << seen;
        EXPECT_EQ(MissingInOrder(
                      ran.out,
                      {"trace RuntimeRun", "loop started: AboutWnd.AboutWnd",
                       std::string("device pixel ratio: ") + c.ratio,
                       c.byTimer ? "at 3 s: AboutWnd.AboutWnd" : "splash drawn: AboutWnd.AboutWnd",
                       "handed over: ControlWnd.ControlWnd", "File > Quit", "trace RuntimeExit"}),
                  "")
            << seen;
    }
}

}  // namespace
