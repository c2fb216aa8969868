#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "app/menu.h"
#include "app/menu_accessor.h"
#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/slider.h"
#include "framework/text_field.h"
#include "simulator/control_wnd.h"
#include "tests/support/window_fixture.h"
#include "windows/about_wnd.h"

namespace {

using Simulator = class ControlWnd::ControlWnd;
using AboutWindow = class AboutWnd::AboutWnd;

// A simulator window that counts its activations and the runs of the handler
// that no menu entry should reach; the accessor finds it like its own.
class WatchedControlWnd : public Simulator {
  public:
    void Event_Activate() override {
        ++activations;
        Simulator::Event_Activate();
    }
    bool DescriptionMenuItem_Action() override {
        ++descriptionRuns;
        return Simulator::DescriptionMenuItem_Action();
    }
    int activations = 0;
    int descriptionRuns = 0;
};

class Events : public WindowsTest {
  protected:
    void TearDown() override {
        simulator.reset();
        WindowsTest::TearDown();
    }

    // Built as the accessor builds it; it shows itself.
    void OpenSimulator() {
        simulator = fw::RuntimeNewObject<WatchedControlWnd>();
        simulator->Constructor();
    }

    std::shared_ptr<fw::Window> About() const { return fw::GetImplicitWindow("AboutWnd.AboutWnd"); }
    std::shared_ptr<fw::Window> Info() const { return fw::GetImplicitWindow("InfoWnd.InfoWnd"); }

    void PressQuestionMark() const {
        QTest::mouseClick(simulator->Qbtn()->Widget(), Qt::LeftButton);
    }
    void ChooseAbout(int item) const {
        ASSERT_TRUE(Choose(*simulator, "Window", "About Nerq", item));
    }

    std::string T() const { return simulator->tText()->Caption(); }
    std::string P() const { return simulator->pText()->Caption(); }
    std::string CI() const { return simulator->ciText()->Caption(); }

    std::shared_ptr<WatchedControlWnd> simulator;
};

// What each window switches on before one of its menus opens. The entries
// are shared by all bars, so the information window's Copy must not stay on
// in the simulator's Edit menu.
TEST_F(Events, MenusOpenWithTheEntriesThatTheirWindowSwitchesOn) {
    OpenSimulator();
    ASSERT_TRUE(Activate(*simulator));
    PressQuestionMark();
    const auto info = Info();
    ASSERT_TRUE(Shown(info));

    struct Case {
        std::shared_ptr<fw::Window> window;
        const char* menu;
        const char* item;
        int nth;
        bool enabled;
    };
    const Case cases[] = {
        {info, "Edit", "Copy", 0, true},
        {info, "Edit", "Cut", 0, false},
        {info, "Edit", "Paste", 0, false},
        {info, "Edit", "Undo", 0, false},
        {simulator, "Window", "Control", 0, false},
        {simulator, "Window", "About Nerq", 0, true},
        {simulator, "Window", "About Nerq", 1, true},
        {simulator, "Edit", "Copy", 0, false},
        {simulator, "File", "Quit", 0, true},
        {info, "Window", "About Nerq", 1, true},
        {simulator, "Window", "Control", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window == info ? "info " : "simulator ") + c.menu + " > " +
                     c.item + " #" + std::to_string(c.nth));
        QMenu* menu = OpenMenu(*c.window, c.menu);
        ASSERT_TRUE(menu);
        QAction* action = ActionOf(menu, c.item, c.nth);
        ASSERT_TRUE(action);
        EXPECT_EQ(action->isEnabled(), c.enabled);
        menu->hide();
    }
}

// The simulator registers a handler under a name that no entry bears: the
// registration goes through, and nothing in any of its menus reaches it.
TEST_F(Events, DescriptionHandlerIsRegisteredAndNeverRuns) {
    OpenSimulator();
    const auto registered = [&](const std::string& name) {
        return std::find(trace.begin(), trace.end(),
                         "Window.AddMenuHandler ControlWnd.ControlWnd " + name);
    };
    ASSERT_NE(registered("DescriptionMenuItem"), trace.end());
    ASSERT_NE(registered("AboutZOP"), trace.end());
    EXPECT_LT(registered("DescriptionMenuItem"), registered("AboutZOP"));
    EXPECT_FALSE(Menu::AsMenuBar(Menu::Menu())->Lookup("DescriptionMenuItem"));

    ASSERT_TRUE(Activate(*simulator));
    int chosen = 0;
    for (const char* caption : {"File", "Edit", "Window"}) {
        QMenu* menu = MenuOf(*simulator, caption);
        ASSERT_TRUE(menu) << caption;
        const int count = static_cast<int>(menu->actions().size());
        for (int i = 0; i < count; ++i) {
            QMenu* open = OpenMenu(*simulator, caption);
            QAction* action = open->actions().at(i);
            if (action->isSeparator() || !action->isEnabled()) {
                open->hide();
                continue;
            }
            QTest::mouseClick(open, Qt::LeftButton, {}, open->actionGeometry(action).center());
            open->hide();
            ++chosen;
            fw::ClearQuitRequest();
        }
    }
    EXPECT_EQ(chosen, 3) << "Quit and the two About entries";
    EXPECT_EQ(simulator->descriptionRuns, 0);
}

// Only the first activation resets the stored N, t and r, to the empty
// fields of the new window. Later ones keep them, so the read-outs keep
// belonging to the r and N that the fields show.
TEST_F(Events, FirstActivationResetsLaterOnesKeepTheStoredValues) {
    // As at start: the splash is there when the simulator comes up.
    AboutWnd::AboutWnd();
    OpenSimulator();
    EXPECT_EQ(simulator->N, 0) << "not activated yet";
    ASSERT_TRUE(Activate(*simulator));
    EXPECT_EQ(simulator->activations, 1);
    EXPECT_EQ(simulator->N, 4);
    EXPECT_EQ(simulator->t, 0);
    EXPECT_EQ(simulator->r, 0);
    EXPECT_EQ(simulator->rEdit()->Text(), "");
    EXPECT_EQ(simulator->nEdit()->Text(), "");
    EXPECT_EQ(T(), "");

    QSlider* nSlider = simulator->nSlider()->Bar();
    for (int i = 4; i < 20; ++i) {
        QTest::keyClick(nSlider, Qt::Key_Right);
    }
    QTest::keyClicks(simulator->rEdit()->Edit(), ".500");
    ASSERT_EQ(simulator->nEdit()->Text(), "20");
    ASSERT_EQ(T(), "2.45");
    ASSERT_EQ(P(), ".02477");

    struct Away {
        const char* what;
        std::function<void()> goAndComeBack;
    };
    const Away aways[] = {
        {"the information window",
         [&] {
             PressQuestionMark();
             const auto info = Info();
             ASSERT_TRUE(Shown(info));
             ASSERT_TRUE(Activate(*info));
             info->TopLevel()->close();
             QTest::qWait(0);
             ASSERT_TRUE(Activate(*simulator));
         }},
        {"the About window, put away by a key",
         [&] {
             ChooseAbout(1);
             const auto about = About();
             ASSERT_TRUE(Activate(*about));
             QTest::keyClick(about->TopLevel(), Qt::Key_Space);
             ASSERT_TRUE(QTest::qWaitFor(
                 [&] { return QApplication::activeWindow() == simulator->TopLevel(); }, 2000));
         }},
        {"the About window, put away by activation",
         [&] {
             ChooseAbout(0);
             ASSERT_TRUE(Activate(*About()));
             ASSERT_TRUE(Activate(*simulator));
             EXPECT_FALSE(About()->TopLevel()->isVisible());
         }},
    };
    for (const Away& away : aways) {
        SCOPED_TRACE(away.what);
        const int before = simulator->activations;
        away.goAndComeBack();
        EXPECT_GT(simulator->activations, before);
        EXPECT_EQ(simulator->r, 0.5);
        EXPECT_EQ(simulator->N, 20);
        EXPECT_EQ(T(), "2.45");
    }

    QTest::keyClick(nSlider, Qt::Key_Right);
    EXPECT_EQ(simulator->nEdit()->Text(), "21");
    EXPECT_NE(T(), ".00");
    EXPECT_NE(P(), ".99999");
    EXPECT_EQ(T(), "2.52");
    EXPECT_EQ(P(), ".02099");
    EXPECT_EQ(CI(), "+.087 to +.766");
}

// With the About window closed, activating the simulator makes a new one,
// which shows itself and is hidden at once. The activation that its showing
// asked for must not leave the keyboard with that hidden window, where the
// next key typed would be lost to it.
TEST_F(Events, ActivationAfterTheAboutWindowClosedKeepsTheSimulatorActive) {
    const auto first = AboutWnd::AboutWnd();
    OpenSimulator();
    ASSERT_TRUE(Activate(*simulator));
    ChooseAbout(0);
    ASSERT_EQ(About(), first);
    ASSERT_TRUE(Activate(*first));
    first->TopLevel()->close();
    QTest::qWait(0);
    ASSERT_FALSE(About());

    simulator->TopLevel()->activateWindow();
    QTest::qWait(100);
    const auto second = About();
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_FALSE(second->TopLevel()->isVisible());
    EXPECT_TRUE(std::static_pointer_cast<AboutWindow>(second)->Timer1()->Counting());
    EXPECT_EQ(QApplication::activeWindow(), simulator->TopLevel());
    EXPECT_EQ(QGuiApplication::focusWindow(), simulator->TopLevel()->windowHandle());
}

// Closing the simulator ends the application with code 0, whatever else is
// still open.
TEST_F(Events, ClosingTheSimulatorQuitsWithZero) {
    struct Case {
        const char* what;
        bool about;
        bool info;
    };
    const Case cases[] = {
        {"alone", false, false},
        {"with the About window open", true, false},
        {"with the information window open", false, true},
        {"with both open", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenSimulator();
        ASSERT_TRUE(Activate(*simulator));
        if (c.about) {
            ChooseAbout(1);
            ASSERT_TRUE(Shown(About()));
        }
        if (c.info) {
            PressQuestionMark();
            ASSERT_TRUE(Shown(Info()));
        }
        ASSERT_FALSE(fw::QuitRequest());
        simulator->TopLevel()->close();
        QTest::qWait(0);
        EXPECT_FALSE(simulator->IsOpen());
        EXPECT_EQ(fw::QuitRequest(), 0);
        if (c.about) {
            EXPECT_TRUE(Shown(About())) << "left for the quitting application to take down";
        }
        fw::ClearQuitRequest();
        CloseAllWindows();
        fw::ClearQuitRequest();
    }
}

// Every road that shows a window puts it on screen and in front: one the
// user minimised comes back. A menu left open on another window closes, as
// it would stay drawn over the window now in front.
TEST_F(Events, EveryRoadThatShowsAWindowBringsItBackFromMinimised) {
    const auto minimised = [](const std::shared_ptr<fw::Window>& window) {
        return (window->TopLevel()->windowState() & Qt::WindowMinimized) != 0;
    };
    struct Road {
        const char* what;
        std::function<std::shared_ptr<fw::Window>()> open;  // the window to minimise
        std::function<void()> show;
        bool menuOpen;          // on the information window, as the window comes to the front
        bool maximise = false;  // before minimising: it comes back maximised
    };
    const auto openAbout = [&] {
        ChooseAbout(1);
        return About();
    };
    const auto aboutAgain = [&] {
        About()->Hide();
        ChooseAbout(0);
    };
    const Road roads[] = {
        {"\"?\" again, the information window minimised",
         [&] {
             PressQuestionMark();
             return Info();
         },
         [&] { PressQuestionMark(); }, false},
        {"About, the splash minimised, then hidden as the simulator's activation does", openAbout,
         aboutAgain, false},
        {"About, the splash maximised, minimised, then hidden", openAbout, aboutAgain, false, true},
        {"the splash's key, the simulator minimised",
         [&] {
             ChooseAbout(1);
             return std::static_pointer_cast<fw::Window>(simulator);
         },
         [&] { QTest::keyClick(About()->TopLevel(), Qt::Key_Space); }, false},
        {"the splash's timer, the simulator minimised, a menu open in front",
         [&] {
             PressQuestionMark();
             // About within the splash's first period: its timer hands over.
             ChooseAbout(1);
             std::static_pointer_cast<AboutWindow>(About())->Timer1()->SetPeriod(200);
             return std::static_pointer_cast<fw::Window>(simulator);
         },
         [&] {
             const auto timer = std::static_pointer_cast<AboutWindow>(About())->Timer1();
             ASSERT_TRUE(QTest::qWaitFor([&] { return !timer->Counting(); }, 3000));
         },
         true},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.what);
        CloseAllWindows();
        AboutWnd::AboutWnd();
        OpenSimulator();
        ASSERT_TRUE(Activate(*simulator));
        const std::shared_ptr<fw::Window> window = road.open();
        ASSERT_TRUE(Shown(window));
        if (road.maximise) {
            window->TopLevel()->showMaximized();
        }
        window->TopLevel()->showMinimized();
        ASSERT_TRUE(minimised(window));
        if (road.menuOpen) {
            ASSERT_TRUE(OpenMenu(*Info(), "File"));
            ASSERT_TRUE(QApplication::activePopupWidget());
        }

        road.show();
        EXPECT_TRUE(Shown(window));
        EXPECT_FALSE(minimised(window));
        EXPECT_EQ((window->TopLevel()->windowState() & Qt::WindowMaximized) != 0, road.maximise);
        EXPECT_FALSE(QApplication::activePopupWidget()) << "a menu stayed open";
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return QApplication::activeWindow() == window->TopLevel(); }, 2000));
    }
}

}  // namespace
