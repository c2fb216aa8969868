// The program's start-up, run once in this process the way its entry point
// runs it, up to and through the event loop; a queued quit ends the loop.
// Every test looks at what that one start left behind, so each holds in any
// order. Failing starts are in startup_failure_test.cpp, one process each.

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_accessor.h"
#include "app/file_types.h"
#include "app/handle_about_menu.h"
#include "app/menu.h"
#include "app/startup.h"
#include "framework/application.h"
#include "framework/file_type.h"
#include "framework/guard.h"
#include "framework/menu_item.h"
#include "framework/pending_exception.h"
#include "framework/runtime.h"
#include "framework/startup.h"
#include "framework/trace.h"
#include "framework/unhandled_exception.h"
#include "framework/window.h"
#include "simulator/control_wnd_accessor.h"
#include "tests/support/trace_lines.h"
#include "windows/about_wnd_accessor.h"
#include "windows/notice_line.h"

namespace {

struct StartRecord {
    std::vector<std::string> trace;
    // As the event loop was entered: every open window's class, and the
    // class of every top-level widget on screen.
    std::vector<std::string> openAtLoop;
    std::vector<std::string> visibleAtLoop;
    bool loopRan = false;
    std::optional<int> quitCode;
};

std::string ClassOfTopLevel(const QWidget* widget) {
    for (const auto& window : fw::OpenWindows()) {
        if (window->TopLevel() == widget) {
            return window->Record().Name();
        }
    }
    return std::string("not a window: ") + widget->metaObject()->className();
}

const StartRecord& Started() {
    static StartRecord record;
    static const bool once = [] {
        fw::SetRuntimeTrace([](const std::string& line) {
            record.trace.push_back(line);
            if (line != "RuntimeRun") {
                return;
            }
            for (const auto& window : fw::OpenWindows()) {
                record.openAtLoop.push_back(window->Record().Name());
            }
            for (const QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->isVisible()) {
                    record.visibleAtLoop.push_back(ClassOfTopLevel(widget));
                }
            }
        });
        // The process's runtime is already up (the tests' main); from here on
        // it is the program's own sequence.
        fw::RuntimePerformInitializers();
        QTimer::singleShot(0, [] {
            record.loopRan = true;
            fw::Quit(0);
        });
        Main();
        fw::SetRuntimeTrace({});
        record.quitCode = fw::QuitRequest();
        fw::ClearQuitRequest();
        return true;
    }();
    (void)once;
    return record;
}

TEST(Startup, StepsRunInTheOrderTheRestOfTheProgramRelies) {
    const auto& trace = Started().trace;
    const std::vector<std::string> order = {
        "RuntimePerformInitializers",
        "RuntimeSetExceptionHelper ( Ptr, Ptr ) as Object",
        "RuntimeSetFrameworkVersion",
        "RuntimeInitExternalClasses",
        "InitPluginEntrypoints",
        // The file types exist before the application object.
        "New FileType",
        "FileType.Register text",
        "New FileType",
        "FileType.Register ",
        "New HandleAboutMenu",
        // Version data and menu bar are in place before registration.
        "Application.SetVersionData",
        "New Menu.Menu",
        "Application.SetMenuBar",
        "RuntimeRegisterAppObject HandleAboutMenu",
        // The handlers reach the object through App(): after registration.
        "Application.AddMenuHandler AboutZOP",
        "Application.AddMenuHandler AboutMenuItem",
        // The splash is made by the framework's initialisation, before the
        // event loop takes input.
        "RunFrameworkInitialization",
        "New AboutWnd.AboutWnd",
        "Window.Constructor AboutWnd.AboutWnd",
        "RunFrameworkInitialization done",
        "RuntimeRun",
    };
    EXPECT_EQ(MissingInOrder(trace, order), "");

    struct Once {
        const char* prefix;
        std::size_t count;
    };
    const Once counts[] = {
        {"RuntimeRegisterAppObject", 1},
        {"Application.AddMenuHandler", 2},
        {"Window.Constructor", 1},
        {"FileType.Register", 2},
        {"RunFrameworkInitialization", 2},  // the call and its "done"
        {"RuntimeRun", 1},
    };
    for (const Once& c : counts) {
        EXPECT_EQ(CountStartingWith(trace, c.prefix), c.count) << c.prefix;
    }
}

TEST(Startup, TheSplashIsTheOnlyWindowWhenTheLoopStartsAndAQueuedQuitEndsTheLoop) {
    const StartRecord& start = Started();
    EXPECT_EQ(start.openAtLoop, std::vector<std::string>{"AboutWnd.AboutWnd"});
    EXPECT_EQ(start.visibleAtLoop, std::vector<std::string>{"AboutWnd.AboutWnd"});
    EXPECT_TRUE(start.loopRan);
    EXPECT_EQ(start.quitCode, 0);
}

TEST(Startup, DeclaresTheFrameworkVersionAndHighResolutionSupport) {
    Started();
    EXPECT_EQ(fw::RuntimeFrameworkVersion(), kFrameworkVersion);
    EXPECT_TRUE(fw::Application::SupportsHiDPI());
}

// The routine that Main handed to the runtime, called as the runtime calls it.
TEST(Startup, TheRegisteredGuardedCallReturnsRuntimeExceptionsAndPassesOthersOn) {
    Started();
    const std::shared_ptr<fw::Delegate> helper = fw::RuntimeExceptionHelper();
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->Signature(), "( Ptr, Ptr ) as Object");
    const auto call = [&](void (*function)(void*), void* argument) {
        return helper->Invoke<std::shared_ptr<fw::RuntimeException>, void (*)(void*), void*>(
            function, argument);
    };

    struct Case {
        const char* what;
        void (*function)(void*);
        const char* returnedClass;  // nullptr: Nil
    };
    const Case cases[] = {
        {"returns normally", [](void* argument) { *static_cast<int*>(argument) += 1; }, nullptr},
        {"Nil object", [](void*) { throw fw::NilObjectException("nothing there"); },
         "NilObjectException"},
        {"failed cast", [](void*) { throw fw::IllegalCastException("nothing there"); },
         "IllegalCastException"},
        {"plain runtime exception", [](void*) { throw fw::RuntimeException("nothing there"); },
         "RuntimeException"},
        // Qt calls back twice within one framework call, and both callbacks
        // raise: the first stays pending.
        {"a second raised while the first is pending",
         [](void*) {
             fw::CallQt([] {
                 fw::Guard([] { throw fw::NilObjectException("nothing there"); });
                 fw::Guard([] { throw fw::IllegalCastException("a second"); });
             });
         },
         "NilObjectException"},
    };
    // What reaches the unhandled-exception routine meanwhile, in place of it.
    struct UnhandledLog {
        UnhandledLog() {
            fw::SetUnhandledExceptionHandler(
                [this](std::exception_ptr e) { seen.push_back(fw::DescribeException(e)); });
        }
        ~UnhandledLog() { fw::SetUnhandledExceptionHandler({}); }
        std::vector<std::string> seen;
    } unhandled;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int calls = 0;
        std::shared_ptr<fw::RuntimeException> returned;
        ASSERT_NO_THROW(returned = call(c.function, &calls));
        if (!c.returnedClass) {
            EXPECT_FALSE(returned);
            EXPECT_EQ(calls, 1);  // called with the very argument
            continue;
        }
        ASSERT_TRUE(returned);
        EXPECT_EQ(returned->ClassName(), c.returnedClass);
        EXPECT_EQ(returned->Message(), "nothing there");
        // Taken: nothing is left pending.
        EXPECT_FALSE(fw::TakePendingException());
    }

    EXPECT_THROW(call([](void*) { throw std::logic_error("not the runtime's"); }, nullptr),
                 std::logic_error);
    // The second is not lost either.
    EXPECT_EQ(unhandled.seen, std::vector<std::string>{"IllegalCastException: a second"});
}

TEST(Startup, TheApplicationObjectIsRegisteredWithItsVersionDataAndTheSharedMenuBar) {
    Started();
    const std::shared_ptr<HandleAboutMenu> application = App();
    ASSERT_TRUE(application);
    EXPECT_EQ(std::static_pointer_cast<fw::Application>(application), fw::GetAppObject());
    EXPECT_EQ(application->Record().Name(), "HandleAboutMenu");

    const fw::Application::VersionData& version = application->Version();
    EXPECT_EQ(version.majorVersion, 3);
    EXPECT_EQ(version.minorVersion, 0);
    EXPECT_EQ(version.bugVersion, 0);
    EXPECT_EQ(version.nonReleaseVersion, 0);
    EXPECT_EQ(version.stageCode, 3);
    EXPECT_EQ(version.longVersion, NoticeLine());
    EXPECT_EQ(version.longVersion.find('\n'), std::string::npos);
    EXPECT_EQ(version.shortVersion, "3.0");
    EXPECT_EQ(version.packageInfo, "Nerq");
    EXPECT_EQ(QCoreApplication::applicationName(), "Nerq");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "3.0.0");

    EXPECT_EQ(application->MenuBar(), Menu::AsMenuBar(Menu::Menu()));
    EXPECT_EQ(application->MenuHandlers("AboutZOP").size(), 1u);
    EXPECT_EQ(application->MenuHandlers("AboutMenuItem").size(), 1u);

    const std::shared_ptr<fw::AppleMenuItem> about = AboutZOP();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->Name(), "AboutZOP");
    EXPECT_EQ(std::static_pointer_cast<fw::MenuItem>(about),
              application->MenuBar()->Lookup("AboutZOP"));
}

TEST(Startup, TheApplicationHandlesEnableMenuItemsAndNoOtherEvent) {
    Started();
    const struct {
        const char* event;
        bool handled;
    } cases[] = {
        {"EnableMenuItems", true}, {"Open", false},         {"Close", false},
        {"Activate", false},       {"Deactivate", false},   {"CancelClose", false},
        {"NewDocument", false},    {"OpenDocument", false}, {"UnhandledException", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(App()->IsEventImplemented(c.event), c.handled) << c.event;
    }
}

TEST(Startup, FileTypesAreBuiltCollectedAndEachRegisteredOnce) {
    Started();
    const std::shared_ptr<fw::FileType> text = FileTypes::Text();
    const std::shared_ptr<fw::FileType> untitled = FileTypes::UntitledType();
    ASSERT_TRUE(text);
    ASSERT_TRUE(untitled);

    struct Expected {
        const fw::FileType& type;
        const char *name, *macType, *macCreator;
    };
    const Expected cases[] = {{*text, "text", "TEXT", "R*ch"}, {*untitled, "", "", ""}};
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.type.Name(), c.name);
        EXPECT_EQ(c.type.MacType(), c.macType);
        EXPECT_EQ(c.type.MacCreator(), c.macCreator);
        EXPECT_EQ(c.type.Extensions(), "");
        EXPECT_EQ(c.type.MimeType(), "");
        EXPECT_EQ(c.type.ConformsTo(), "");
        EXPECT_TRUE(c.type.Imported());
    }

    const std::vector<std::shared_ptr<fw::FileType>> both = {text, untitled};
    EXPECT_EQ(FileTypes::AllFileTypes(), both);
    EXPECT_EQ(fw::RegisteredFileTypes(), both);
    // A later conversion gives the name and registers nothing more.
    EXPECT_EQ(text->Operator_Convert(), "text");
    EXPECT_EQ(fw::RegisteredFileTypes(), both);
}

// As a user would: the simulator's Window menu opened and its first "About
// Nerq" entry (AboutMenuItem, which only the application object handles)
// chosen while no splash is open.
TEST(Startup, TheApplicationEnablesAboutAndItsAboutHandlerOpensANewSplash) {
    Started();
    const auto simulator = ControlWnd::AsWindow(ControlWnd::ControlWnd());
    ASSERT_TRUE(simulator);
    QTest::qWait(50);  // its activation hides the splash
    const std::shared_ptr<fw::Window> first = AboutWnd::AsWindow(AboutWnd::AboutWnd());
    first->Close();
    QTest::qWait(0);
    ASSERT_FALSE(fw::GetImplicitWindow("AboutWnd.AboutWnd"));

    auto* main = qobject_cast<QMainWindow*>(simulator->TopLevel());
    ASSERT_TRUE(main);
    QMenu* windowMenu = nullptr;
    for (QAction* action : main->menuBar()->actions()) {
        if (action->text() == "Window") {
            windowMenu = action->menu();
        }
    }
    ASSERT_TRUE(windowMenu);
    QAction* aboutMenuItem = nullptr;
    for (QAction* action : windowMenu->actions()) {
        if (action->text() == "About Nerq" && !aboutMenuItem) {
            aboutMenuItem = action;
        }
    }
    ASSERT_TRUE(aboutMenuItem);

    // Whatever state it was left in, AboutZOP is on once the menu opens.
    AboutZOP()->SetEnabled(false);
    windowMenu->popup(main->mapToGlobal(QPoint(0, 0)));
    QTest::qWait(0);
    EXPECT_TRUE(AboutZOP()->Enabled());
    windowMenu->hide();

    aboutMenuItem->trigger();
    QTest::qWait(0);
    const std::shared_ptr<fw::Window> second = fw::GetImplicitWindow("AboutWnd.AboutWnd");
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->TopLevel()->isVisible());

    simulator->Close();
    QTest::qWait(0);
    fw::ClearQuitRequest();
}

}  // namespace
