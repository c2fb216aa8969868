#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <functional>
#include <memory>

#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/timer.h"
#include "simulator/control_wnd.h"
#include "tests/support/window_fixture.h"
#include "windows/about_wnd.h"
#include "windows/wrapper_timer1.h"

namespace {

using Splash = WindowsTest;
using AboutWindow = class AboutWnd::AboutWnd;

std::shared_ptr<fw::Window> Simulator() {
    return fw::GetImplicitWindow("ControlWnd.ControlWnd");
}

// Sends a press and its release to `target`, as the windowing system hands
// them to a widget; whether the press ended accepted, that is, consumed.
bool PressAndRelease(QWidget* target, QEvent::Type press, QEvent::Type release,
                     const std::function<std::unique_ptr<QEvent>(QEvent::Type)>& make) {
    const std::unique_ptr<QEvent> down = make(press);
    QApplication::sendEvent(target, down.get());
    const bool consumed = down->isAccepted();
    const std::unique_ptr<QEvent> up = make(release);
    QApplication::sendEvent(target, up.get());
    return consumed;
}

bool Key(QWidget* target, Qt::Key key, const QString& text,
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return PressAndRelease(target, QEvent::KeyPress, QEvent::KeyRelease, [&](QEvent::Type type) {
        return std::make_unique<QKeyEvent>(type, key, modifiers, text);
    });
}

bool Click(QWidget* target, QPoint at) {
    return PressAndRelease(
        target, QEvent::MouseButtonPress, QEvent::MouseButtonRelease, [&](QEvent::Type type) {
            const bool down = type == QEvent::MouseButtonPress;
            return std::make_unique<QMouseEvent>(
                type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        });
}

QPoint Centre(QWidget* widget) {
    return widget->rect().center();
}

// Where a test needs only that the splash's timer runs, it runs for this long
// instead of its 4 s, which program_process_test waits out in the whole
// program. The timer counts from when its period is set.
constexpr int kShortPeriod = 300;

std::shared_ptr<fw::Timer> TimerOf(const std::shared_ptr<fw::Window>& about) {
    return fw::RuntimeCheckCast<AboutWindow>(about)->Timer1();
}

// Splash built at start: shown, the simulator not yet there; with no input
// it gives way to the simulator once its timer has run and stays open,
// hidden, as the one About window.
TEST_F(Splash, WithoutInputHandsOverWhenItsTimerRuns) {
    const auto about = AboutWnd::AboutWnd();
    ASSERT_TRUE(Shown(about));
    EXPECT_TRUE(about->Timer1()->Counting());
    EXPECT_EQ(about->Timer1()->Period(), 4000);
    EXPECT_FALSE(Simulator());
    QElapsedTimer clock;
    clock.start();
    about->Timer1()->SetPeriod(kShortPeriod);

    QTest::qWait(kShortPeriod / 2);
    EXPECT_TRUE(Shown(about)) << "handed over early";
    EXPECT_FALSE(Simulator());

    ASSERT_TRUE(QTest::qWaitFor([] { return Shown(Simulator()); }, 3000));
    EXPECT_GE(clock.elapsed(), kShortPeriod);
    EXPECT_FALSE(about->TopLevel()->isVisible());
    EXPECT_TRUE(about->IsOpen());
    EXPECT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), about);
    EXPECT_FALSE(about->Timer1()->Counting());
}

// At start the splash is the one window: closing it before it hands over
// closes the last open window, which ends the program with code 0.
TEST_F(Splash, ClosedBeforeTheHandOverEndsTheProgramWithZero) {
    const auto about = AboutWnd::AboutWnd();
    ASSERT_TRUE(Shown(about));
    ASSERT_EQ(fw::OpenWindows().size(), 1u);
    ASSERT_TRUE(Activate(*about));
    about->TopLevel()->close();
    EXPECT_FALSE(about->IsOpen());
    EXPECT_EQ(fw::QuitRequest(), 0);
    EXPECT_FALSE(Simulator());
}

TEST_F(Splash, KeyOrClickHandsOverAtOnceAndIsNotConsumed) {
    struct Case {
        const char* what;
        std::function<bool(AboutWindow&)> input;  // true: consumed
    };
    const Case cases[] = {
        {"letter key on the window",
         [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_A, "a"); }},
        {"space on the window",
         [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_Space, " "); }},
        {"return on the window",
         [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_Return, "\r"); }},
        {"escape on the window",
         [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_Escape, "\x1b"); }},
        {"an arrow key", [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_Down, ""); }},
        {"home", [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_Home, ""); }},
        {"page up", [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_PageUp, ""); }},
        {"delete", [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_Delete, "\x7f"); }},
        {"insert", [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_Insert, ""); }},
        {"a function key", [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_F5, ""); }},
        {"ctrl and a letter",
         [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_W, "\x17", Qt::ControlModifier); }},
        {"tab, with no control to move the focus to",
         [](AboutWindow& w) { return Key(w.TopLevel(), Qt::Key_Tab, "\t"); }},
        {"click on the chart",
         [](AboutWindow& w) {
             QWidget* canvas = w.Canvas1()->Widget();
             return Click(canvas, Centre(canvas));
         }},
        {"click on the product name",
         [](AboutWindow& w) {
             QWidget* label = w.StaticText1()->Widget();
             return Click(label, Centre(label));
         }},
        {"click on the notice",
         [](AboutWindow& w) {
             QWidget* label = w.StaticText5()->Widget();
             return Click(label, Centre(label));
         }},
        {"click on the bare ground",
         [](AboutWindow& w) { return Click(w.Content(), QPoint(20, 100)); }},
    };
    const auto about = AboutWnd::AboutWnd();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The simulator's activation after the last hand-over hides the
        // splash: let it pass before the splash comes back.
        QTest::qWait(0);
        about->Show();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QApplication::activeWindow() == about->TopLevel(); }, 2000));
        ASSERT_TRUE(Shown(about));
        EXPECT_FALSE(c.input(*about));
        EXPECT_FALSE(about->TopLevel()->isVisible());
        EXPECT_TRUE(Shown(Simulator()));
        EXPECT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), about);
    }
}

// A modifier pressed on its own is not a key press of its own: the splash
// stays.
TEST_F(Splash, ALoneModifierLeavesItWhereItIs) {
    const auto about = AboutWnd::AboutWnd();
    const struct {
        Qt::Key key;
        const char* name;
    } modifiers[] = {
        {Qt::Key_Shift, "Shift"},
        {Qt::Key_Control, "Ctrl"},
        {Qt::Key_Alt, "Alt"},
        {Qt::Key_Meta, "Meta"},
        {Qt::Key_Super_L, "left Super"},
        {Qt::Key_Super_R, "right Super"},
        {Qt::Key_Hyper_L, "left Hyper"},
        {Qt::Key_Hyper_R, "right Hyper"},
        {Qt::Key_AltGr, "AltGr"},
        {Qt::Key_Mode_switch, "Mode_switch (AltGr on many layouts)"},
        {Qt::Key_CapsLock, "Caps Lock"},
        {Qt::Key_NumLock, "Num Lock"},
        {Qt::Key_ScrollLock, "Scroll Lock"},
    };
    for (const auto& [key, name] : modifiers) {
        SCOPED_TRACE(name);
        Key(about->TopLevel(), key, "");
        // Once put away it stays so: the first row that fails is the one.
        ASSERT_TRUE(Shown(about));
        ASSERT_FALSE(Simulator());
    }
}

// The About window is the splash shown again. Once its timer has run,
// nothing hides it by time: only a key or click in it, or the simulator
// becoming active.
TEST_F(Splash, AboutShowsTheSameWindowWhichStaysUntilInputOrActivation) {
    const auto about = AboutWnd::AboutWnd();
    about->Timer1()->SetPeriod(kShortPeriod);
    ASSERT_TRUE(QTest::qWaitFor([] { return Shown(Simulator()); }, 3000));
    const auto simulator = Simulator();
    ASSERT_FALSE(about->Timer1()->Counting());

    struct Case {
        const char* what;
        int aboutItem;  // the Window menu holds two "About Nerq" entries
        std::function<void()> putAway;
    };
    const Case cases[] = {
        {"a key in it", 0, [&] { QTest::keyClick(about->TopLevel(), Qt::Key_X); }},
        {"a click on its chart", 1,
         [&] { QTest::mouseClick(about->Canvas1()->Widget(), Qt::LeftButton); }},
        {"a click on its name", 0,
         [&] { QTest::mouseClick(about->StaticText1()->Widget(), Qt::LeftButton); }},
        {"the simulator activated", 1, [&] { ASSERT_TRUE(Activate(*simulator)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTest::qWait(0);
        ASSERT_TRUE(Choose(*simulator, "Window", "About Nerq", c.aboutItem));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QApplication::activeWindow() == about->TopLevel(); }, 2000));
        EXPECT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), about) << "a second About window";
        EXPECT_EQ(fw::OpenWindows().size(), 2u);
        QTest::qWait(300);
        EXPECT_TRUE(Shown(about)) << "went away by itself";

        c.putAway();
        EXPECT_FALSE(about->TopLevel()->isVisible());
        EXPECT_TRUE(about->IsOpen());
        EXPECT_TRUE(Shown(simulator));
    }
}

// A closed About window is gone: the next About builds a new one, whose own
// timer hands over to the simulator.
TEST_F(Splash, AboutAfterCloseBuildsANewWindowThatHandsOverByItself) {
    const auto first = AboutWnd::AboutWnd();
    QTest::keyClick(first->TopLevel(), Qt::Key_Space);
    const auto simulator = Simulator();
    ASSERT_TRUE(Shown(simulator));
    ASSERT_TRUE(Activate(*simulator));

    ASSERT_TRUE(Choose(*simulator, "Window", "About Nerq", 1));
    ASSERT_TRUE(Shown(first));
    // In front, as when the user reaches for its close button.
    ASSERT_TRUE(Activate(*first));
    first->TopLevel()->close();
    QTest::qWait(0);
    EXPECT_FALSE(first->IsOpen());
    EXPECT_FALSE(first->Timer1()->Counting()) << "a closed window's timer would hand over again";
    EXPECT_FALSE(fw::GetImplicitWindow("AboutWnd.AboutWnd"));
    EXPECT_FALSE(fw::QuitRequest()) << "the simulator is still open";

    ASSERT_TRUE(Choose(*simulator, "Window", "About Nerq", 0));
    const auto second = fw::GetImplicitWindow("AboutWnd.AboutWnd");
    ASSERT_TRUE(Shown(second));
    EXPECT_NE(second, first);
    EXPECT_TRUE(TimerOf(second)->Counting());
    QElapsedTimer clock;
    clock.start();
    TimerOf(second)->SetPeriod(kShortPeriod);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QApplication::activeWindow() == second->TopLevel(); }, 2000));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !second->TopLevel()->isVisible(); }, 3000));
    EXPECT_GE(clock.elapsed(), kShortPeriod);
    EXPECT_TRUE(Shown(simulator));
    EXPECT_EQ(Simulator(), simulator);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::activeWindow() == simulator->TopLevel(); }, 2000));
}

// Handed over early and brought back by About while its first period still
// runs, the splash is shown when its timer comes due: the pending timer
// hands over again, as at the start.
TEST_F(Splash, AboutWithinTheFirstPeriodIsHandedOverByThePendingTimer) {
    const auto about = AboutWnd::AboutWnd();
    QElapsedTimer clock;
    clock.start();
    about->Timer1()->SetPeriod(kShortPeriod);
    QTest::keyClick(about->TopLevel(), Qt::Key_Space);
    const auto simulator = Simulator();
    ASSERT_TRUE(Shown(simulator));
    ASSERT_TRUE(Activate(*simulator));

    ASSERT_TRUE(Choose(*simulator, "Window", "About Nerq", 0));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QApplication::activeWindow() == about->TopLevel(); }, 2000));
    ASSERT_TRUE(Shown(about));
    ASSERT_TRUE(about->Timer1()->Counting()) << "the first period was over before About";

    ASSERT_TRUE(QTest::qWaitFor([&] { return !about->TopLevel()->isVisible(); }, 3000));
    EXPECT_GE(clock.elapsed(), kShortPeriod);
    EXPECT_FALSE(about->Timer1()->Counting());
    EXPECT_TRUE(about->IsOpen());
    EXPECT_TRUE(Shown(simulator));
    EXPECT_EQ(Simulator(), simulator);
}

// Handed over early, the splash is hidden when its timer comes due: the
// timer is spent, and the simulator is not brought back in front of the
// window that the user has turned to since.
TEST_F(Splash, AnEarlyHandOverSpendsTheTimer) {
    const auto about = AboutWnd::AboutWnd();
    about->Timer1()->SetPeriod(150);  // counts from here
    QTest::keyClick(about->TopLevel(), Qt::Key_Space);
    const auto simulator = Simulator();
    ASSERT_TRUE(Shown(simulator));
    QTest::mouseClick(
        fw::RuntimeCheckCast<class ControlWnd::ControlWnd>(simulator)->Qbtn()->Widget(),
        Qt::LeftButton);
    const auto info = fw::GetImplicitWindow("InfoWnd.InfoWnd");
    ASSERT_TRUE(Shown(info));
    ASSERT_TRUE(Activate(*info));
    QTest::qWait(400);
    EXPECT_FALSE(about->Timer1()->Counting());
    EXPECT_EQ(QApplication::activeWindow(), info->TopLevel());
    EXPECT_FALSE(about->TopLevel()->isVisible());
}

// The splash can be resized: its name and notice, locked to all four edges,
// stretch with it, the name staying at the top and centred across the width;
// the chart keeps its place from the top-left corner. Its title bar is empty:
// the window is given a blank title, where an empty one would make Qt show
// the application's name.
TEST_F(Splash, FollowsItsLocksWhenResizedAndHasAnEmptyTitleBar) {
    const auto about = AboutWnd::AboutWnd();
    EXPECT_EQ(about->Title(), "");
    EXPECT_FALSE(about->TopLevel()->windowTitle().isEmpty());
    EXPECT_TRUE(about->TopLevel()->windowTitle().trimmed().isEmpty());

    QWidget* content = about->Content();
    about->TopLevel()->resize(about->TopLevel()->size() + QSize(300, 200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return content->size() == QSize(600, 400); }, 2000));
    const QRect name = about->StaticText1()->Widget()->geometry();
    const QRect notice = about->StaticText5()->Widget()->geometry();
    EXPECT_EQ(name.left(), 0);
    EXPECT_EQ(name.width(), 598);
    EXPECT_EQ(notice.width(), 598);
    EXPECT_EQ(content->height() - (notice.bottom() + 1), 200 - (181 + 15));
    EXPECT_EQ(about->Canvas1()->Widget()->pos(), QPoint(104, 60));
    // The name's text is drawn in the band it was laid out in.
    EXPECT_EQ(about->StaticText1()->Shown()->contentsRect().height(), 55);
}

// The timer knows the window that holds it without keeping it alive; its
// class is known by the window's name and its own, underscore and all.
TEST_F(Splash, TimerKnowsItsWindowOnlyWhileTheWindowLives) {
    std::shared_ptr<AboutWnd::wrapper_Timer1> timer;
    {
        const auto about = AboutWnd::AboutWnd();
        timer = std::dynamic_pointer_cast<AboutWnd::wrapper_Timer1>(about->Timer1());
        ASSERT_TRUE(timer);
        EXPECT_EQ(timer->Record().Name(), "AboutWnd._wrapper_Timer1");
        EXPECT_EQ(timer->Window(), about);
        about->TopLevel()->close();
    }
    QTest::qWait(0);
    EXPECT_FALSE(timer->Window());
    EXPECT_FALSE(timer->Counting());
}

}  // namespace
