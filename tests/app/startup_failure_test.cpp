// Starts that fail. A start, failed or not, leaves process-wide state behind
// and ends with the runtime's exit routine, which takes Qt down; so each one
// runs alone as a death test, in a child process of this test program, where
// it reports on standard error what happened and ends with the exit
// routine's code. The FailedStartDeathTest tests check the reports.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/file_types.h"
#include "app/startup.h"
#include "framework/application.h"
#include "framework/class_record.h"
#include "framework/file_type.h"
#include "framework/pending_exception.h"
#include "framework/runtime.h"
#include "framework/startup.h"
#include "framework/trace.h"
#include "framework/unhandled_exception.h"
#include "framework/window.h"
#include "tests/support/trace_lines.h"

namespace {

// Standard error, the one stream that a death test gives back; unbuffered,
// it keeps these lines in order with what the runtime writes there.
void Say(const std::string& line) {
    std::cerr << line << '\n';
}

// One start of the program, step for step as its entry point runs it, then
// a report of what it left; the process ends as the program's does.
[[noreturn]] void StartAndExit(bool reportUnhandled) {
    fw::SetRuntimeTrace([](const std::string& line) { Say("trace " + line); });
    if (reportUnhandled) {
        fw::SetUnhandledExceptionHandler(
            [](std::exception_ptr e) { Say("unhandled " + fw::DescribeException(e)); });
    }
    fw::AddFinalizer("report", [] { Say("finaliser ran"); });

    int argc = 1;
    char name[] = "nerq";
    char* argv[] = {name, nullptr};
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers();
    // A start that wrongly gets as far as the event loop still ends.
    QTimer::singleShot(0, [] { fw::Quit(0); });
    Main();

    const auto application = fw::GetAppObject();
    Say("application object " + (application ? application->Record().Name() : "Nil"));
    Say("open windows " + std::to_string(fw::OpenWindows().size()));
    Say("text type " + (FileTypes::Text() ? FileTypes::Text()->Name() : "Nil"));
    Say(std::string("untitled type ") + (FileTypes::UntitledType() ? "made" : "Nil"));
    Say("file types " + std::to_string(FileTypes::AllFileTypes().size()) + " collected, " +
        std::to_string(fw::RegisteredFileTypes().size()) + " registered");
    Say(std::string("guarded call ") + (fw::RuntimeExceptionHelper() ? "registered" : "Nil"));

    fw::RuntimePerformFinalizers();
    const int code = fw::RuntimeExit();
    std::exit(code);
}

void FailInitialiser(std::exception_ptr exception) {
    fw::AddInitializer("failing", [exception] { std::rethrow_exception(exception); });
}

// The `nth` creation of an object of class `className` fails.
void FailCreation(std::string className, int nth) {
    fw::SetObjectCreationObserver(
        [className, nth, seen = 0](const fw::ClassRecord& record) mutable {
            if (record.Name() == className && ++seen == nth) {
                throw fw::RuntimeException("cannot make a " + className);
            }
        });
}

// The starts, each run alone by a death test.
[[noreturn]] void InitialiserFails() {
    FailInitialiser(std::make_exception_ptr(fw::NilObjectException("an initialiser failed")));
    StartAndExit(true);
}
[[noreturn]] void TwoInitialisersFail() {
    FailInitialiser(std::make_exception_ptr(fw::NilObjectException("an initialiser failed")));
    FailInitialiser(std::make_exception_ptr(fw::IllegalCastException("a later one failed")));
    StartAndExit(true);
}
[[noreturn]] void ExceptionPendingBeforeMain() {
    fw::SetPendingException(std::make_exception_ptr(fw::IllegalCastException("left pending")));
    StartAndExit(true);
}
[[noreturn]] void FirstFileTypeFails() {
    FailCreation("FileType", 1);
    StartAndExit(true);
}
[[noreturn]] void SecondFileTypeFails() {
    FailCreation("FileType", 2);
    StartAndExit(true);
}
[[noreturn]] void ApplicationObjectFails() {
    FailCreation("HandleAboutMenu", 1);
    StartAndExit(true);
}
[[noreturn]] void DefaultRoutineOnARuntimeException() {
    FailInitialiser(std::make_exception_ptr(fw::NilObjectException("an initialiser failed")));
    StartAndExit(false);
}
[[noreturn]] void DefaultRoutineOnAnotherException() {
    FailInitialiser(std::make_exception_ptr(std::logic_error("not the runtime's")));
    StartAndExit(false);
}
[[noreturn]] void DefaultRoutineOnceTheNameIsGiven() {
    FailCreation("Menu.Menu", 1);  // just after the version data
    StartAndExit(false);
}

// A death test hands what its child wrote on standard error to a matcher
// alone. This one asks for `pattern` in it, as a regular expression, and
// keeps the text for the checks of order and count that a pattern cannot
// make.
class FindsAndKeeps : public testing::MatcherInterface<const std::string&> {
  public:
    FindsAndKeeps(const std::string& pattern, std::optional<std::string>& kept)
        : pattern_(pattern), contains_(testing::ContainsRegex(pattern)), kept_(kept) {}

    bool MatchAndExplain(const std::string& text, testing::MatchResultListener*) const override {
        kept_ = text;
        return contains_.Matches(text);
    }
    void DescribeTo(std::ostream* out) const override {
        *out << "contains regular expression \"" << pattern_ << "\"";
    }

  private:
    std::string pattern_;
    testing::Matcher<const std::string&> contains_;
    std::optional<std::string>& kept_;
};

testing::Matcher<const std::string&> FindAndKeep(const std::string& pattern,
                                                 std::optional<std::string>& kept) {
    return testing::MakeMatcher(new FindsAndKeeps(pattern, kept));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool ExitedWithFailure(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) != 0;
}

class FailedStartDeathTest : public testing::Test {
  protected:
    // Qt has threads of its own by now, which a forked child would lack; the
    // child starts this program afresh instead.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FailedStartDeathTest, SkipsTheRestOfTheStartAndStillFinalisesAndExits) {
    // A failure skips every later step; none of these comes after one.
    const std::vector<std::string> neverAfterAFailure = {
        "trace RunFrameworkInitialization", "trace Window.Constructor", "trace RuntimeRun"};
    struct Case {
        const char* what;
        void (*start)();
        std::vector<std::string> reached;     // trace lines, in this order
        std::vector<std::string> notReached;  // trace prefixes
        std::string unhandled;
        std::vector<std::string> left;  // the report after Main
    };
    const std::vector<std::string> nothingBuilt = {"application object Nil", "open windows 0",
                                                   "text type Nil", "untitled type Nil",
                                                   "file types 0 collected, 0 registered"};
    const auto with = [](std::vector<std::string> lines, const std::string& more) {
        lines.push_back(more);
        return lines;
    };
    const Case cases[] = {
        // Main takes the exception at once: no step of it runs, nothing is made.
        {"InitialiserFails",
         InitialiserFails,
         {"trace RuntimePerformInitializers"},
         {"trace RuntimeSetExceptionHelper", "trace RuntimeSetFrameworkVersion", "trace New "},
         "unhandled NilObjectException: an initialiser failed",
         with(nothingBuilt, "guarded call Nil")},
        // The first failure is the one left pending.
        {"TwoInitialisersFail",
         TwoInitialisersFail,
         {"trace RuntimePerformInitializers"},
         {"trace RuntimeSetExceptionHelper", "trace RuntimeSetFrameworkVersion", "trace New "},
         "unhandled NilObjectException: an initialiser failed",
         with(nothingBuilt, "guarded call Nil")},
        {"ExceptionPendingBeforeMain",
         ExceptionPendingBeforeMain,
         {"trace RuntimePerformInitializers"},
         {"trace RuntimeSetExceptionHelper", "trace RuntimeSetFrameworkVersion", "trace New "},
         "unhandled IllegalCastException: left pending",
         with(nothingBuilt, "guarded call Nil")},
        // A failure in InitFileTypes: no application object, no window.
        {"FirstFileTypeFails",
         FirstFileTypeFails,
         {"trace RuntimeSetExceptionHelper ( Ptr, Ptr ) as Object", "trace InitPluginEntrypoints",
          "trace New FileType"},
         {"trace FileType.Register", "trace New HandleAboutMenu", "trace RuntimeRegisterAppObject"},
         "unhandled RuntimeException: cannot make a FileType",
         with(nothingBuilt, "guarded call registered")},
        // What was built before the failing step stays.
        {"SecondFileTypeFails",
         SecondFileTypeFails,
         {"trace New FileType", "trace FileType.Register text", "trace New FileType"},
         {"trace New HandleAboutMenu"},
         "unhandled RuntimeException: cannot make a FileType",
         {"application object Nil", "open windows 0", "text type text", "untitled type Nil",
          "file types 1 collected, 1 registered"}},
        // No object, so no version data, no registration, no menu handler.
        {"ApplicationObjectFails",
         ApplicationObjectFails,
         {"trace FileType.Register text", "trace FileType.Register ", "trace New HandleAboutMenu"},
         {"trace Application.", "trace RuntimeRegisterAppObject", "trace New Menu.Menu"},
         "unhandled RuntimeException: cannot make a HandleAboutMenu",
         {"application object Nil", "open windows 0", "text type text", "untitled type made",
          "file types 2 collected, 2 registered"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<std::string> seen;
        // The routine here only reports; it asks for no particular exit code.
        EXPECT_EXIT(c.start(), testing::ExitedWithCode(0), FindAndKeep("trace RuntimeExit", seen));
        if (!seen) {
            // The death test has failed and said why; or this is the child
            // of a later case, which passes over the earlier ones.
            continue;
        }
        const std::vector<std::string> out = Lines(*seen);

        std::vector<std::string> order = c.reached;
        order.push_back(c.unhandled);
        order.insert(order.end(), c.left.begin(), c.left.end());
        order.insert(order.end(),
                     {"trace RuntimePerformFinalizers", "finaliser ran", "trace RuntimeExit"});
        EXPECT_EQ(MissingInOrder(out, order), "") << *seen;
        EXPECT_EQ(CountStartingWith(out, "unhandled "), 1u) << *seen;
        for (const auto& list : {c.notReached, neverAfterAFailure}) {
            for (const std::string& prefix : list) {
                EXPECT_EQ(CountStartingWith(out, prefix), 0u) << prefix << "\n" << *seen;
            }
        }
    }
}

// The standard routine, as the program has it: no message box on the
// offscreen platform, so standard error and the exit code are all it gives.
// It speaks under the name that the program gave with its version data, and
// before that under the executable's, which Qt takes by default.
TEST_F(FailedStartDeathTest, TheStandardRoutineNamesTheExceptionOnStandardErrorAndFailsTheProcess) {
    const std::string unnamed = QCoreApplication::applicationName().toStdString();
    ASSERT_FALSE(unnamed.empty());
    ASSERT_NE(unnamed, "Nerq");
    const struct {
        const char* what;
        void (*start)();
        std::string named;  // a pattern without special characters
    } cases[] = {
        {"DefaultRoutineOnARuntimeException", DefaultRoutineOnARuntimeException,
         unnamed + ": unhandled exception: NilObjectException: an initialiser failed"},
        {"DefaultRoutineOnAnotherException", DefaultRoutineOnAnotherException,
         unnamed + ": unhandled exception: std::logic_error: not the runtime's"},
        {"DefaultRoutineOnceTheNameIsGiven", DefaultRoutineOnceTheNameIsGiven,
         "Nerq: unhandled exception: RuntimeException: cannot make a Menu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<std::string> seen;
        EXPECT_EXIT(c.start(), ExitedWithFailure, FindAndKeep(c.named, seen));
        if (!seen) {
            continue;  // as above
        }
        const std::vector<std::string> out = Lines(*seen);
        EXPECT_EQ(MissingInOrder(out, {"open windows 0", "finaliser ran", "trace RuntimeExit"}), "")
            << *seen;
        EXPECT_EQ(CountOf(out, "trace RuntimeRun"), 0u) << *seen;
    }
}

// What the unhandled-exception routine itself raises goes on out of Main,
// after the routine ran once.
TEST(FailedStart, MainPassesOnWhatTheUnhandledRoutineRaises) {
    int calls = 0;
    fw::SetUnhandledExceptionHandler([&calls](std::exception_ptr e) {
        ++calls;
        std::rethrow_exception(e);
    });
    fw::SetPendingException(std::make_exception_ptr(fw::IllegalCastException("left pending")));
    EXPECT_THROW(Main(), fw::IllegalCastException);
    EXPECT_EQ(calls, 1);

    calls = 0;
    FailCreation("FileType", 1);
    EXPECT_THROW(Main(), fw::RuntimeException);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(fw::GetAppObject());

    fw::SetObjectCreationObserver({});
    fw::SetUnhandledExceptionHandler({});
}

}  // namespace
