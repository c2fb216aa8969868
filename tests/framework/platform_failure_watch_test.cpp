// The watch around the start of the window platform holds back what reaches
// standard error, Qt's messages and the raw writes of other libraries, only
// until it knows how the start ends: a platform that comes up shows it all
// in its order, a start refused in the runtime's own words shows nothing of
// it, a fatal report becomes one line with what that line does not explain,
// and a process that dies meanwhile shows it before it dies. The failures
// that it words are checked on the real program as well
// (app_start_without_display_test).

#include "framework/platform_failure_watch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QMessageLogger>
#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "framework/platform_failure_reasons.h"

#if defined(__SANITIZE_ADDRESS__)
#define NERQ_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NERQ_TEST_SANITIZED 1
#endif
#endif

namespace {

void WriteTo(int fd, std::string_view text) {
    [[maybe_unused]] const ssize_t written = write(fd, text.data(), text.size());
}

// Written just before the watch begins: what the test program printed as it
// came up itself comes before it.
constexpr std::string_view kMark = "-- the watch begins --\n";

void ReportFromPlugins(const char* text) {
    QMessageLogger(nullptr, 0, nullptr, "qt.qpa.plugin").warning("%s", text);
}

// What Qt and the libraries say as a platform comes up: Qt's messages, with
// and without a category, and a write of a library straight to descriptor 2.
void Talk() {
    qWarning("an ordinary warning");
    ReportFromPlugins("Some other report of the plugins");
    WriteTo(STDERR_FILENO, "written straight to standard error\n");
}
const std::string kQtTalk =
    "an ordinary warning\nqt.qpa.plugin: Some other report of the plugins\n";
const std::string kRawTalk = "written straight to standard error\n";

// Qt's Wayland plugin where no compositor can be looked for, as libwayland
// (straight to descriptor 2) and Qt put it.
void TalkLikeWaylandWithoutARuntimeDir() {
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("WAYLAND_SOCKET");
    WriteTo(STDERR_FILENO, "error: XDG_RUNTIME_DIR is invalid or not set in the environment.\n");
    QMessageLogger().critical("Failed to create wl_display (No such file or directory)");
    QMessageLogger(nullptr, 0, nullptr, "qt.qpa.plugin")
        .info(
            "Could not load the Qt platform plugin \"wayland\" in \"\" even though it was found.");
}

[[noreturn]] void FailLikeQt(fw::PlatformFailureWatch&) {
    qFatal(
        "This application failed to start because no Qt platform plugin could be initialized. "
        "Reinstalling the application may fix this problem.\n\nAvailable platform plugins are: "
        "wayland, xcb.\n");
}

// A process whose descriptors are all taken: the watch cannot duplicate
// standard error.
void UseUpDescriptors() {
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_cur, 256);
    setrlimit(RLIMIT_NOFILE, &limit);
    while (open("/dev/null", O_RDONLY) >= 0) {
    }
}

struct Outcome {
    const char* what;
    void (*talk)();
    // How the watch's time ends; returning, it ends normally.
    void (*end)(fw::PlatformFailureWatch&);
    std::function<bool(int)> exits;
    // What reaches standard error from the mark on: "past the watch" was
    // written to the real standard error while the watch held the rest,
    // "after" once the watch had ended.
    std::string shows;
    bool followedByADeathReport = false;  // shows is followed by what the death adds
    bool withoutDescriptors = false;
    bool stderrAPipe = false;  // as under ctest and CI
};

// Standard error is a pipe to the end of the watch, and what came through
// it is passed on after.
class StderrThroughAPipe {
  public:
    StderrThroughAPipe() {
        EXPECT_EQ(pipe(ends_), 0);
        original_ = dup(STDERR_FILENO);
        dup2(ends_[1], STDERR_FILENO);
        close(ends_[1]);
    }
    ~StderrThroughAPipe() {
        dup2(original_, STDERR_FILENO);
        char buffer[4096];
        for (ssize_t got; (got = read(ends_[0], buffer, sizeof buffer)) > 0;) {
            WriteTo(STDERR_FILENO, std::string_view(buffer, static_cast<std::size_t>(got)));
        }
    }

  private:
    int ends_[2] = {-1, -1};
    int original_ = -1;
};

[[noreturn]] void RunThrough(const Outcome& outcome) {
    WriteTo(STDERR_FILENO, kMark);
    {
        std::optional<StderrThroughAPipe> pipe;
        if (outcome.stderrAPipe) {
            pipe.emplace();
        }
        const int real = dup(STDERR_FILENO);
        if (outcome.withoutDescriptors) {
            UseUpDescriptors();
        }
        {
            fw::PlatformFailureWatch watch("prog");
            outcome.talk();
            WriteTo(real, "past the watch\n");
            outcome.end(watch);
        }
        WriteTo(STDERR_FILENO, "after\n");
        close(real);
    }
    std::_Exit(0);
}

class ShowsFromTheMark : public testing::MatcherInterface<const std::string&> {
  public:
    ShowsFromTheMark(const std::string& shows, bool followed)
        : expected_(std::string(kMark) + shows), followed_(followed) {}
    bool MatchAndExplain(const std::string& err, testing::MatchResultListener*) const override {
        return followed_ ? err.find(expected_) != std::string::npos : err.ends_with(expected_);
    }
    void DescribeTo(std::ostream* os) const override {
        *os << (followed_ ? "contains\n" : "ends with\n") << expected_;
    }

  private:
    std::string expected_;
    bool followed_;
};

bool KilledBy(int status, int signal) {
    return WIFSIGNALED(status) && WTERMSIG(status) == signal;
}

// Every way in which the watch's time can end, in a process of its own.
TEST(PlatformFailureWatchDeathTest, ShowsWhatWasSaidInItsOrderExceptWhatTheOutcomeSaysItself) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto endsNormally = [](fw::PlatformFailureWatch&) {};
    const auto refuses = [](fw::PlatformFailureWatch& watch) { watch.Discard(); };
    const auto failsUnworded = [](fw::PlatformFailureWatch&) {
        qFatal("Could not find DRM device!");
    };
    const std::string unworded =
        "Could not find DRM device!\n"
        "prog: cannot start: Qt could not bring up its window platform\n";
    const std::string wayland =
        "prog: cannot start: no Wayland display can be reached (XDG_RUNTIME_DIR is not set)\n";
    const auto code = [](int code) {
        return std::function<bool(int)>(testing::ExitedWithCode(code));
    };
    const std::vector<Outcome> outcomes = {
        {"came up", Talk, endsNormally, code(0),
         "past the watch\n" + kQtTalk + kRawTalk + "after\n"},
        {"came up, standard error a pipe", Talk, endsNormally, code(0),
         "past the watch\n" + kQtTalk + kRawTalk + "after\n", false, false, true},
        {"refused", Talk, refuses, code(0), "past the watch\nafter\n"},
        {"a fatal report that it cannot word", Talk, failsUnworded, code(3),
         "past the watch\n" + kQtTalk + kRawTalk + unworded},
        {"a Wayland display that cannot be reached", TalkLikeWaylandWithoutARuntimeDir, FailLikeQt,
         code(3), "past the watch\n" + wayland},
        // Sent as abort() sends it, without abort()'s own second try.
        {"aborted", Talk, [](fw::PlatformFailureWatch&) { std::raise(SIGABRT); },
         [](int status) { return KilledBy(status, SIGABRT); },
         "past the watch\n" + kQtTalk + kRawTalk, true},
        {"a fault", Talk,
         [](fw::PlatformFailureWatch&) {
             volatile int* volatile nowhere = nullptr;
             *nowhere = 1;
         },
#ifdef NERQ_TEST_SANITIZED
         // The sanitizer reports the store through null itself, before any
         // fault, and ends the process its own way.
         [](int status) { return !(WIFEXITED(status) && WEXITSTATUS(status) == 0); },
#else
         [](int status) { return KilledBy(status, SIGSEGV); },
#endif
         "past the watch\n" + kQtTalk + kRawTalk, true},
        {"exit() called by a library", Talk, [](fw::PlatformFailureWatch&) { std::exit(4); },
         code(4), "past the watch\n" + kQtTalk + kRawTalk},
        // Without a capture, only Qt's messages can be held back.
        {"came up without a free descriptor", Talk, endsNormally, code(0),
         kRawTalk + "past the watch\n" + kQtTalk + "after\n", false, true},
        {"refused without a free descriptor", Talk, refuses, code(0),
         kRawTalk + "past the watch\nafter\n", false, true},
        {"an unworded fatal report without a free descriptor", Talk, failsUnworded, code(3),
         kRawTalk + "past the watch\n" + kQtTalk + unworded, false, true},
        {"a Wayland display that cannot be reached, without a free descriptor",
         TalkLikeWaylandWithoutARuntimeDir, FailLikeQt, code(3),
         "error: XDG_RUNTIME_DIR is invalid or not set in the environment.\npast the watch\n" +
             wayland,
         false, true},
    };
    for (const Outcome& outcome : outcomes) {
        SCOPED_TRACE(outcome.what);
        EXPECT_EXIT(RunThrough(outcome), outcome.exits,
                    testing::MakeMatcher(
                        new ShowsFromTheMark(outcome.shows, outcome.followedByADeathReport)));
    }
}

constexpr int kRounds = 10000;

std::mutex countedMutex;
std::vector<long> counted;

void Count(QtMsgType, const QMessageLogContext&, const QString& text) {
    const std::lock_guard<std::mutex> lock(countedMutex);
    counted.push_back(text.toLong());
}

// Threads that log while watches come and go (and one made inside another,
// which leaves the watching to the outer one): each of their messages
// reaches the handler from before exactly once, whether a watch takes it, it
// comes as a watch ends, or after.
TEST(PlatformFailureWatch, HandsOnEveryMessageOfOtherThreadsOnceWhileWatchesComeAndGo) {
    counted.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&Count);
    std::atomic<bool> stop = false;
    std::atomic<long> sent = 0;
    std::vector<std::thread> talkers;
    for (int i = 0; i < 3; ++i) {
        talkers.emplace_back([&] {
            while (!stop) {
                qInfo("%ld", sent++);
            }
        });
    }
    while (sent == 0) {
        std::this_thread::yield();
    }
    // Rounds enough for the messages to meet watches as they end.
    const long start = sent;
    for (int round = 0; round < kRounds || sent < start + kRounds; ++round) {
        const fw::PlatformFailureWatch watch("prog");
        const fw::PlatformFailureWatch nested("prog");
    }
    stop = true;
    for (std::thread& talker : talkers) {
        talker.join();
    }
    qInstallMessageHandler(previous);
    std::sort(counted.begin(), counted.end());
    std::vector<long> lost;
    std::vector<long> twice;
    for (long number = 0, at = 0; number < sent; ++number) {
        const long from = at;
        while (at < static_cast<long>(counted.size()) && counted[at] == number) {
            ++at;
        }
        if (at == from) {
            lost.push_back(number);
        } else if (at - from > 1) {
            twice.push_back(number);
        }
    }
    EXPECT_TRUE(lost.empty()) << lost.size() << " of " << sent << " lost, the first "
                              << lost.front();
    EXPECT_TRUE(twice.empty()) << twice.size() << " twice, the first " << twice.front();
    EXPECT_EQ(counted.size(), static_cast<std::size_t>(sent.load()));
}

// Sets the variables that libwayland looks at, and puts them back.
class WaylandEnvironment {
  public:
    explicit WaylandEnvironment(const std::map<std::string, std::string>& settings) {
        for (const char* name : kNames) {
            if (const char* value = std::getenv(name)) {
                saved_[name] = value;
            }
            unsetenv(name);
        }
        for (const auto& [name, value] : settings) {
            setenv(name.c_str(), value.c_str(), 1);
        }
    }
    ~WaylandEnvironment() {
        for (const char* name : kNames) {
            unsetenv(name);
        }
        for (const auto& [name, value] : saved_) {
            setenv(name.c_str(), value.c_str(), 1);
        }
    }
    WaylandEnvironment(const WaylandEnvironment&) = delete;
    WaylandEnvironment& operator=(const WaylandEnvironment&) = delete;

  private:
    static constexpr const char* kNames[] = {"XDG_RUNTIME_DIR", "WAYLAND_DISPLAY",
                                             "WAYLAND_SOCKET"};
    std::map<std::string, std::string> saved_;
};

// Qt names no display when the Wayland connection fails: the reason is
// found where libwayland looked, and Qt's reports of it, with the EGL
// plugin's, are all that reason says.
TEST(PlatformFailureReasons, SayWhyNoWaylandDisplayCouldBeOpenedAsLibwaylandLooksForIt) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> environment;
        QString reason;
    };
    const std::string longName(120, 'x');
    const std::vector<Case> cases = {
        {"no display named",
         {{"XDG_RUNTIME_DIR", "/run/user/7"}},
         "the Wayland display \"wayland-0\" cannot be opened"},
        {"a display named",
         {{"XDG_RUNTIME_DIR", "/run/user/7"}, {"WAYLAND_DISPLAY", "foo"}},
         "the Wayland display \"foo\" cannot be opened"},
        {"no runtime directory",
         {{"WAYLAND_DISPLAY", "foo"}},
         "no Wayland display can be reached (XDG_RUNTIME_DIR is not set)"},
        {"an empty runtime directory",
         {{"XDG_RUNTIME_DIR", ""}},
         "no Wayland display can be reached (XDG_RUNTIME_DIR is empty)"},
        {"a relative runtime directory",
         {{"XDG_RUNTIME_DIR", "run"}},
         "no Wayland display can be reached (XDG_RUNTIME_DIR \"run\" is not an absolute path)"},
        {"a display named by its path, no runtime directory",
         {{"WAYLAND_DISPLAY", "/tmp/w-1"}},
         "the Wayland display \"/tmp/w-1\" cannot be opened"},
        {"an empty display name",
         {{"XDG_RUNTIME_DIR", "/run/user/7"}, {"WAYLAND_DISPLAY", ""}},
         "no Wayland display is named (WAYLAND_DISPLAY is empty)"},
        {"a socket path too long",
         {{"XDG_RUNTIME_DIR", "/run/user/7"}, {"WAYLAND_DISPLAY", longName}},
         QString("the Wayland display \"%1\" cannot be opened (the path of its socket is too long)")
             .arg(QString::fromStdString(longName))},
        {"a socket handed over",
         {{"XDG_RUNTIME_DIR", "/run/user/7"}, {"WAYLAND_SOCKET", "x"}},
         "the Wayland connection handed over in WAYLAND_SOCKET (\"x\") cannot be used"},
    };
    const std::vector<fw::QtReport> reports = {
        {QtCriticalMsg, "", "Failed to create wl_display (No such file or directory)"},
        {QtWarningMsg, "qt.qpa.wayland", "Failed to initialize EGL display 3001"},
        {QtInfoMsg, "qt.qpa.plugin",
         "Could not load the Qt platform plugin \"wayland-egl\" in \"\" even though it was found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WaylandEnvironment environment(c.environment);
        const fw::PlatformFailure failure = fw::ExplainPlatformFailure(reports, "");
        EXPECT_EQ(failure.reasons, QStringList{c.reason});
        EXPECT_EQ(failure.explained, std::vector<bool>(reports.size(), true));
        EXPECT_TRUE(failure.ExplainsRawLine(
            "error: XDG_RUNTIME_DIR is invalid or not set in the environment."));
    }
}

// Only what the reasons say is left out: a report that comes without what
// explains it, or one that the reasons do not cover, still goes out.
TEST(PlatformFailureReasons, LeaveUnexplainedWhatTheReasonsDoNotSay) {
    const fw::QtReport noConnection = {QtCriticalMsg, "", "Failed to create wl_display (Bad file)"};
    const fw::QtReport noEgl = {QtWarningMsg, "qt.qpa.wayland",
                                "Failed to initialize EGL display 1"};
    const fw::QtReport waylandNotLoaded = {
        QtInfoMsg, "qt.qpa.plugin", "Could not load the Qt platform plugin \"wayland\" in \"\""};
    const fw::QtReport xNotLoaded = {QtInfoMsg, "qt.qpa.plugin",
                                     "Could not load the Qt platform plugin \"xcb\" in \"\""};
    const fw::QtReport noX = {QtWarningMsg, "qt.qpa.xcb", "could not connect to display :97"};
    const fw::QtReport other = {QtWarningMsg, "qt.qpa.plugin", "Some other report"};
    const QString noWaylandDisplay = "the Wayland display \"wayland-0\" cannot be opened";
    struct Case {
        const char* what;
        std::vector<fw::QtReport> reports;
        QStringList reasons;
        std::vector<bool> explained;
        bool rawLinesExplained;
    };
    const std::vector<Case> cases = {
        {"a plugin without its connection's report",
         {noEgl, waylandNotLoaded},
         {"the Qt platform plugin \"wayland\" could not be started"},
         {false, true},
         false},
        {"a connection without its plugin's report",
         {noConnection, other},
         {},
         {false, false},
         false},
        {"a report between",
         {noConnection, other, waylandNotLoaded},
         {noWaylandDisplay},
         {true, false, true},
         true},
        {"Wayland, then X",
         {noConnection, waylandNotLoaded, noX, xNotLoaded},
         {noWaylandDisplay, "the X display \":97\" cannot be opened"},
         {true, true, true, true},
         true},
        {"X alone",
         {noX, xNotLoaded},
         {"the X display \":97\" cannot be opened"},
         {true, true},
         false},
    };
    const WaylandEnvironment environment(
        std::map<std::string, std::string>{{"XDG_RUNTIME_DIR", "/run/user/7"}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fw::PlatformFailure failure = fw::ExplainPlatformFailure(c.reports, "");
        EXPECT_EQ(failure.reasons, c.reasons);
        EXPECT_EQ(failure.explained, c.explained);
        EXPECT_EQ(failure.ExplainsRawLine(
                      "error: XDG_RUNTIME_DIR is invalid or not set in the environment."),
                  c.rawLinesExplained);
        EXPECT_FALSE(failure.ExplainsRawLine("error: something else"));
    }
}

}  // namespace
