#include "app/menu.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/menu_accessor.h"
#include "framework/apple_menu_item.h"
#include "framework/application.h"
#include "framework/delegate.h"
#include "framework/exceptions.h"
#include "framework/menu_bar.h"
#include "framework/menu_item.h"
#include "framework/quit_menu_item.h"
#include "framework/runtime.h"
#include "framework/window.h"
#include "tests/support/fresh_process.h"

namespace {

// Watches object creation for as long as it lives.
class CreationWatch {
  public:
    explicit CreationWatch(std::function<void(const fw::ClassRecord&)> observer) {
        fw::SetObjectCreationObserver(std::move(observer));
    }
    ~CreationWatch() { fw::SetObjectCreationObserver({}); }
    CreationWatch(const CreationWatch&) = delete;
    CreationWatch& operator=(const CreationWatch&) = delete;
};

bool IsBar(const fw::ClassRecord& record) {
    return record.IsA(fw::MenuBar::ClassInfo());
}
bool IsEntry(const fw::ClassRecord& record) {
    return record.IsA(fw::MenuItem::ClassInfo()) && !IsBar(record);
}

struct EntryRow {
    const char* name;
    int depth;  // 0 a top-level menu, 1 an item in one
    const char* text;
    const char* commandKey;
    const char* className;
    bool autoEnable;
};

// The bar in bar order: each top-level menu followed by its items.
const EntryRow kTree[] = {
    {"UntitledMenu3", 0, "", "", "MenuItem", false},
    {"UntitledMenu2", 0, "File", "", "MenuItem", false},
    {"FileQuit", 1, "Quit", "Ctrl+Q", "QuitMenuItem", true},
    {"UntitledMenu8", 1, "", "", "MenuItem", false},
    {"UntitledMenu0", 0, "Edit", "", "MenuItem", false},
    {"EditUndo", 1, "Undo", "Ctrl+Z", "MenuItem", false},
    {"UntitledMenu1", 1, "-", "", "MenuItem", false},
    {"EditCut", 1, "Cut", "Ctrl+X", "MenuItem", false},
    {"EditCopy", 1, "Copy", "Ctrl+C", "MenuItem", false},
    {"EditPaste", 1, "Paste", "Ctrl+V", "MenuItem", false},
    {"EditClear", 1, "", "", "MenuItem", false},
    {"UntitledMenu7", 1, "", "", "MenuItem", false},
    {"WindowMenu", 0, "Window", "", "MenuItem", false},
    {"ControlMenuItem", 1, "Control", "", "MenuItem", false},
    {"AboutMenuItem", 1, "About Nerq", "", "MenuItem", false},
    {"UntitledMenu6", 1, "", "", "MenuItem", false},
    {"AboutZOP", 1, "About Nerq", "", "AppleMenuItem", false},
    {"UntitledMenu5", 1, "", "", "AppleMenuItem", false},
    {"UntitledMenu4", 0, "", "", "MenuItem", false},
};

std::vector<std::pair<std::shared_ptr<fw::MenuItem>, int>> Walk(const fw::MenuItem& bar) {
    std::vector<std::pair<std::shared_ptr<fw::MenuItem>, int>> walked;
    for (const auto& top : bar.Children()) {
        walked.emplace_back(top, 0);
        for (const auto& item : top->Children()) {
            walked.emplace_back(item, 1);
            EXPECT_TRUE(item->Children().empty()) << item->Name();
        }
    }
    return walked;
}

void AFailedBuildThenAGoodOne() {
    int bars = 0;
    int entries = 0;
    {
        CreationWatch watch([&](const fw::ClassRecord& record) {
            if (IsBar(record)) {
                ++bars;
            } else if (IsEntry(record) && ++entries == 10) {
                throw fw::RuntimeException("no room for a tenth entry");
            }
        });
        try {
            Menu::Menu();
            ADD_FAILURE() << "the build went through";
        } catch (const fw::RuntimeException& e) {
            EXPECT_EQ(e.Message(), "no room for a tenth entry");
        }
    }
    EXPECT_EQ(bars, 1);
    EXPECT_EQ(entries, 10);

    bars = 0;
    std::vector<std::string> created;
    std::shared_ptr<class Menu::Menu> bar;
    {
        CreationWatch watch([&](const fw::ClassRecord& record) {
            if (IsBar(record)) {
                ++bars;
            } else if (IsEntry(record)) {
                created.push_back(record.Name());
            }
        });
        bar = Menu::Menu();
    }
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bars, 1);
    // Nineteen creations for nineteen entries of nineteen different names:
    // each entry made once, none left over from the failed build.
    std::vector<std::string> classes;
    std::set<std::string> names;
    for (const EntryRow& row : kTree) {
        classes.push_back(row.className);
    }
    for (const auto& [entry, depth] : Walk(*bar)) {
        names.insert(entry->Name());
    }
    EXPECT_EQ(created, classes);
    EXPECT_EQ(names.size(), 19u);
    EXPECT_EQ(bar->Descendants().size(), 19u);
}

// The bar is one per process: a build that fails is seen only in a process
// that has built none yet.
TEST(MenuBuildTest, AFailedBuildLeavesNoBarAndTheNextBuildsEveryEntryOnce) {
    InAFreshProcess(AFailedBuildThenAGoodOne);
}

TEST(MenuBuildTest, TheBarHoldsNineteenEntriesInBarOrder) {
    const auto bar = Menu::Menu();
    EXPECT_EQ(bar->Record().Name(), "Menu.Menu");
    EXPECT_NE(fw::RuntimeCheckCast<fw::MenuBar>(bar), nullptr);

    const auto walked = Walk(*bar);
    ASSERT_EQ(walked.size(), std::size(kTree));
    for (std::size_t i = 0; i < walked.size(); ++i) {
        const auto& [entry, depth] = walked[i];
        const EntryRow& row = kTree[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(entry->Name(), row.name);
        EXPECT_EQ(depth, row.depth);
        EXPECT_EQ(entry->Text(), row.text);
        EXPECT_EQ(entry->CommandKey(), row.commandKey);
        EXPECT_EQ(entry->Record().Name(), row.className);
        EXPECT_EQ(entry->AutoEnable(), row.autoEnable);
        EXPECT_TRUE(entry->Visible());
        // The separator alone keeps the shortcut it was made with.
        EXPECT_EQ(entry->CommandKeyWritten(), std::string(row.name) != "UntitledMenu1");
    }
    const std::vector<std::size_t> itemCounts = {0, 2, 7, 5, 0};
    std::vector<std::size_t> counts;
    for (const auto& top : bar->Children()) {
        counts.push_back(top->Children().size());
    }
    EXPECT_EQ(counts, itemCounts);

    const auto barAsMenuBar = Menu::AsMenuBar(bar);
    EXPECT_NE(fw::RuntimeCheckCast<fw::QuitMenuItem>(bar->Lookup("FileQuit")), nullptr);
    EXPECT_NE(MenuEntryOf<fw::AppleMenuItem>(barAsMenuBar, "AboutZOP"), nullptr);
    EXPECT_NE(MenuEntryOf<fw::AppleMenuItem>(barAsMenuBar, "UntitledMenu5"), nullptr);
    EXPECT_THROW(MenuEntryOf<fw::QuitMenuItem>(barAsMenuBar, "EditCopy"), fw::IllegalCastException);
    EXPECT_THROW(MenuEntryOf<fw::AppleMenuItem>(barAsMenuBar, "AboutMenuItem"),
                 fw::IllegalCastException);
    EXPECT_THROW(MenuEntryOf<fw::MenuItem>(nullptr, "FileQuit"), fw::NilObjectException);
}

TEST(MenuBuildTest, LookupSearchesTheWholeTree) {
    const auto bar = Menu::Menu();
    const auto quit = bar->Lookup("FileQuit");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit, fw::Deref(bar->Child("UntitledMenu2")).Child("FileQuit"));
    EXPECT_EQ(bar->Child("FileQuit"), nullptr);
    EXPECT_EQ(bar->Lookup("WindowMenu"), bar->Child("WindowMenu"));
    EXPECT_EQ(bar->Lookup("UntitledMenu4"), bar->Children().back());
    EXPECT_EQ(bar->Lookup("DescriptionMenuItem"), nullptr);
    EXPECT_EQ(bar->Lookup("filequit"), nullptr);
}

TEST(MenuBuildTest, ALaterCallReturnsTheSameBarAndBuildsNothing) {
    const auto first = Menu::Menu();
    int creations = 0;
    std::shared_ptr<class Menu::Menu> second;
    {
        CreationWatch watch([&](const fw::ClassRecord&) { ++creations; });
        second = Menu::Menu();
    }
    EXPECT_EQ(second, first);
    EXPECT_EQ(creations, 0);
    EXPECT_EQ(second->Descendants().size(), 19u);
}

// Enabling as a window and an application do it: each logs its turn and then
// runs what the test gives it.
struct EnableLog {
    std::vector<std::string> turns;
    std::function<void()> application;
    std::function<void()> window;
};
EnableLog* enableLog = nullptr;

class HostWindow : public fw::Window {
  public:
    static const fw::ClassRecord& ClassInfo() {
        static const fw::ClassRecord record({
            .name = "MenuTest.HostWindow",
            .super = &fw::Window::ClassInfo(),
            .handlers = {{"EnableMenuItems", fw::HandlerOf(&HostWindow::EnableMenuItems)}},
        });
        return record;
    }
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    void EnableMenuItems() {
        enableLog->turns.push_back("window");
        if (enableLog->window) {
            enableLog->window();
        }
    }
};

class HostApplication : public fw::Application {
  public:
    static const fw::ClassRecord& ClassInfo() {
        static const fw::ClassRecord record({
            .name = "MenuTest.HostApplication",
            .super = &fw::Application::ClassInfo(),
            .handlers = {{"EnableMenuItems", fw::HandlerOf(&HostApplication::EnableMenuItems)}},
        });
        return record;
    }
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    void EnableMenuItems() {
        enableLog->turns.push_back("application");
        if (enableLog->application) {
            enableLog->application();
        }
    }
};

// A shown window with the shared bar, under a registered application that
// switches AboutZOP on, as the program's does.
class MenuInQtTest : public testing::Test {
  protected:
    void SetUp() override {
        enableLog = &log;
        bar = Menu::Menu();
        log.application = [this] { Entry("AboutZOP")->SetEnabled(true); };
        application = fw::RuntimeNewObject<HostApplication>();
        application->Constructor();
        application->SetMenuBar(Menu::AsMenuBar(bar));
        fw::RuntimeRegisterAppObject(application);
        window = fw::RuntimeNewObject<HostWindow>();
        window->SetMenuBar(Menu::AsMenuBar(bar));
        window->SetVisible(true);
        window->Constructor();
    }
    void TearDown() override {
        for (QMenu* menu : window->TopLevel()->findChildren<QMenu*>()) {
            menu->hide();
        }
        window->Close();
        window.reset();
        fw::RuntimeRegisterAppObject(nullptr);
        application.reset();
        fw::ClearQuitRequest();
        enableLog = nullptr;
        QTest::qWait(0);
    }

    std::shared_ptr<fw::MenuItem> Entry(const char* name) const {
        auto entry = bar->Lookup(name);
        EXPECT_NE(entry, nullptr) << name;
        return entry;
    }
    QMenuBar* ShownBar() const {
        auto* main = qobject_cast<QMainWindow*>(window->TopLevel());
        return main ? main->menuBar() : nullptr;
    }
    // The Qt menu under a caption of the shown bar.
    QMenu* ShownMenu(const QString& caption) const {
        for (QAction* action : ShownBar()->actions()) {
            if (action->text() == caption && action->menu()) {
                return action->menu();
            }
        }
        ADD_FAILURE() << "no menu " << caption.toStdString();
        return nullptr;
    }
    // A menu handler that logs `tag` and gives what
    // results[tag] holds (False when nothing is set).
    std::shared_ptr<fw::Delegate> Handler(const std::string& tag) {
        return fw::RuntimeCreateDelegate(std::function<bool()>([this, tag] {
                                             handled.push_back(tag);
                                             return results[tag];
                                         }),
                                         "(  ) as Boolean");
    }

    EnableLog log;
    std::shared_ptr<class Menu::Menu> bar;
    std::shared_ptr<HostApplication> application;
    std::shared_ptr<HostWindow> window;
    std::vector<std::string> handled;
    std::map<std::string, bool> results;
};

struct ShownAction {
    QString text;
    bool separator;
    QKeySequence shortcut;
};

TEST_F(MenuInQtTest, EntriesWithoutCaptionTakeNoRoomAndShortcutsAreKeySequences) {
    QStringList captions;
    for (QAction* action : ShownBar()->actions()) {
        captions << action->text();
    }
    EXPECT_EQ(captions, (QStringList{"File", "Edit", "Window"}));

    const std::map<QString, std::vector<ShownAction>> menus = {
        {"File", {{"Quit", false, QKeySequence(Qt::CTRL | Qt::Key_Q)}}},
        {"Edit",
         {{"Undo", false, QKeySequence(Qt::CTRL | Qt::Key_Z)},
          {"", true, {}},
          {"Cut", false, QKeySequence(Qt::CTRL | Qt::Key_X)},
          {"Copy", false, QKeySequence(Qt::CTRL | Qt::Key_C)},
          {"Paste", false, QKeySequence(Qt::CTRL | Qt::Key_V)}}},
        {"Window", {{"Control", false, {}}, {"About Nerq", false, {}}, {"About Nerq", false, {}}}},
    };
    for (const auto& [caption, expected] : menus) {
        SCOPED_TRACE(caption.toStdString());
        const QList<QAction*> actions = ShownMenu(caption)->actions();
        ASSERT_EQ(static_cast<std::size_t>(actions.size()), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const QAction* action = actions[static_cast<qsizetype>(i)];
            EXPECT_EQ(action->isSeparator(), expected[i].separator) << i;
            if (!expected[i].separator) {
                EXPECT_EQ(action->text(), expected[i].text) << i;
                EXPECT_EQ(action->shortcut(), expected[i].shortcut) << i;
            }
        }
    }
}

TEST_F(MenuInQtTest, OpeningAMenuResetsEnablingThenAsksTheApplicationAndThenTheWindow) {
    // Left over from before: reset to each entry's AutoEnable on opening.
    for (const auto& entry : bar->Descendants()) {
        entry->SetEnabled(!entry->AutoEnable());
    }
    std::map<std::string, bool> seenByApplication;
    log.application = [&] {
        seenByApplication = {{"EditCut", Entry("EditCut")->Enabled()},
                             {"FileQuit", Entry("FileQuit")->Enabled()}};
        Entry("AboutZOP")->SetEnabled(true);
        Entry("EditUndo")->SetEnabled(true);
        Entry("EditCopy")->SetEnabled(true);
    };
    log.window = [&] {
        Entry("EditUndo")->SetEnabled(false);  // the window has the last word
        Entry("EditPaste")->SetEnabled(true);
        Entry("ControlMenuItem")->SetEnabled(false);
        Entry("AboutMenuItem")->SetEnabled(true);
    };
    QMenu* edit = ShownMenu("Edit");
    edit->popup(QPoint(10, 10));
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(log.turns, (std::vector<std::string>{"application", "window"}));
    EXPECT_EQ(seenByApplication,
              (std::map<std::string, bool>{{"EditCut", false}, {"FileQuit", true}}));

    const std::map<QString, std::vector<bool>> enabled = {
        {"File", {true}},
        {"Edit", {false, true, false, true, true}},  // Undo, separator, Cut, Copy, Paste
        {"Window", {false, true, true}},
    };
    for (const auto& [caption, states] : enabled) {
        const QList<QAction*> actions = ShownMenu(caption)->actions();
        ASSERT_EQ(static_cast<std::size_t>(actions.size()), states.size());
        for (std::size_t i = 0; i < states.size(); ++i) {
            if (!actions[static_cast<qsizetype>(i)]->isSeparator()) {
                EXPECT_EQ(actions[static_cast<qsizetype>(i)]->isEnabled(), states[i])
                    << caption.toStdString() << " " << i;
            }
        }
    }
    edit->hide();
}

// Both "About Nerq" entries: AboutZOP with handlers of the window and of the
// application, AboutMenuItem with the application's alone.
TEST_F(MenuInQtTest, ChoosingRunsTheWindowsHandlersThenTheApplicationsUntilOneSaysTrue) {
    log.window = [this] { Entry("AboutMenuItem")->SetEnabled(true); };
    window->AddMenuHandler("DescriptionMenuItem", Handler("window: description"));
    window->AddMenuHandler("AboutZOP", Handler("window 1"));
    window->AddMenuHandler("AboutZOP", Handler("window 2"));
    application->AddMenuHandler("AboutZOP", Handler("application"));
    application->AddMenuHandler("AboutMenuItem", Handler("application: about item"));
    const QList<QAction*> actions = ShownMenu("Window")->actions();
    ASSERT_EQ(actions.size(), 3);
    QAction* aboutMenuItem = actions[1];
    QAction* aboutZOP = actions[2];

    struct Case {
        const char* saysTrue;
        std::vector<std::string> ran;
    };
    const Case cases[] = {
        {"", {"window 1", "window 2", "application"}},
        {"window 1", {"window 1"}},
        {"window 2", {"window 1", "window 2"}},
        {"application", {"window 1", "window 2", "application"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saysTrue);
        handled.clear();
        results.clear();
        results[c.saysTrue] = true;
        aboutZOP->trigger();
        EXPECT_EQ(handled, c.ran);
    }

    handled.clear();
    results.clear();
    aboutMenuItem->trigger();
    EXPECT_EQ(handled, (std::vector<std::string>{"application: about item"}));
    EXPECT_FALSE(fw::QuitRequest().has_value());
}

// An entry that the enabling leaves off does nothing when its action fires
// anyway, as a shortcut can while no menu is open.
TEST_F(MenuInQtTest, AnEntryLeftOffRunsNoHandler) {
    log.window = [this] { Entry("ControlMenuItem")->SetEnabled(false); };
    window->AddMenuHandler("ControlMenuItem", Handler("window"));
    application->AddMenuHandler("ControlMenuItem", Handler("application"));
    ShownMenu("Window")->actions()[0]->trigger();
    EXPECT_TRUE(handled.empty());

    log.window = [this] { Entry("ControlMenuItem")->SetEnabled(true); };
    ShownMenu("Window")->actions()[0]->trigger();
    EXPECT_EQ(handled, (std::vector<std::string>{"window", "application"}));
}

TEST_F(MenuInQtTest, QuitByItsShortcutOrInTheOpenMenuAsksToQuitWithCodeZero) {
    QMenu* file = ShownMenu("File");
    // Its shortcut, typed in the window while no menu is open.
    window->TopLevel()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->TopLevel()));
    QTest::keyClick(window->TopLevel(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(fw::QuitRequest(), 0);
    fw::ClearQuitRequest();

    // Chosen in the open menu.
    file->popup(QPoint(10, 10));
    ASSERT_TRUE(file->isVisible());
    QTest::keyClick(file, Qt::Key_Down);
    ASSERT_NE(file->activeAction(), nullptr);
    EXPECT_EQ(file->activeAction()->text(), "Quit");
    QTest::keyClick(file, Qt::Key_Return);
    EXPECT_FALSE(file->isVisible());
    EXPECT_EQ(fw::QuitRequest(), 0);
    fw::ClearQuitRequest();

    // A handler's True takes the choice before the standard action.
    window->AddMenuHandler("FileQuit", Handler("window"));
    results["window"] = true;
    file->actions()[0]->trigger();
    EXPECT_EQ(handled, (std::vector<std::string>{"window"}));
    EXPECT_FALSE(fw::QuitRequest().has_value());
}

}  // namespace
