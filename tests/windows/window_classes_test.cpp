// The program's three window classes are registered with the runtime by the
// class initialisers, under their full names, and their member lists offer
// IsEventImplemented by name and mark CreateControls0 hidden. Each opens where
// and as its layout says.

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/class_registry.h"
#include "simulator/control_wnd.h"
#include "tests/support/window_fixture.h"
#include "windows/about_wnd.h"
#include "windows/info_wnd.h"

namespace {

using WindowClasses = WindowsTest;

TEST_F(WindowClasses, AreRegisteredUnderTheirFullNamesWithTheirMembers) {
    struct Case {
        const char* name;
        const fw::ClassRecord& record;
    };
    const Case cases[] = {
        {"ControlWnd.ControlWnd", ControlWnd::ControlWnd::ClassInfo()},
        {"AboutWnd.AboutWnd", AboutWnd::AboutWnd::ClassInfo()},
        {"InfoWnd.InfoWnd", InfoWnd::InfoWnd::ClassInfo()},
    };
    const std::vector<std::pair<std::string, std::string>> hidden = {{"Hidden", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fw::RegisteredClass(c.name), &c.record);
        const fw::MemberDecl* create = c.record.Member("CreateControls0");
        ASSERT_TRUE(create);
        EXPECT_EQ(create->attributes, hidden);
        const fw::MemberDecl* query = c.record.Member("IsEventImplemented");
        ASSERT_TRUE(query);
        EXPECT_TRUE(query->attributes.empty());
    }
    EXPECT_THROW(fw::GetImplicitWindow("ControlWnd"), fw::RuntimeException);
}

TEST_F(WindowClasses, AnswerTheEventQueryThroughTheMemberList) {
    const auto simulator = ControlWnd::ControlWnd();
    const fw::MemberDecl* query = simulator->Record().Member("IsEventImplemented");
    ASSERT_TRUE(query);
    const auto ask = [&](const char* event) {
        return std::any_cast<bool>(query->call(*simulator, {std::string(event)}));
    };
    EXPECT_TRUE(ask("Activate"));
    EXPECT_TRUE(ask("Layout"));
    EXPECT_FALSE(ask("Open"));
}

// Every window's layout asks for the default location, which puts a new
// window in the middle of the screen; and only a window that the user can
// resize has a maximise button.
TEST_F(WindowClasses, OpenCentredAndWithAMaximiseButtonOnlyWhenResizable) {
    struct Case {
        const char* name;
        std::function<std::shared_ptr<fw::Window>()> open;
        bool resizable;
    };
    const Case cases[] = {
        {"ControlWnd.ControlWnd", [] { return ControlWnd::ControlWnd(); }, false},
        {"InfoWnd.InfoWnd", [] { return InfoWnd::InfoWnd(); }, false},
        {"AboutWnd.AboutWnd", [] { return AboutWnd::AboutWnd(); }, true},
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The window system's frame is known once it has framed a window that
    // was shown; from then on a new window is centred frame and all.
    {
        const auto first = AboutWnd::AboutWnd();
        ASSERT_TRUE(Activate(*first));
        ASSERT_FALSE(first->TopLevel()->windowHandle()->frameMargins().isNull());
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CloseAllWindows();
        const std::shared_ptr<fw::Window> window = c.open();
        ASSERT_TRUE(Shown(window));
        const QWidget* top = window->TopLevel();
        const QPoint offCentre = top->frameGeometry().center() - screen.center();
        EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << ", " << offCentre.y();
        EXPECT_EQ(top->minimumSize() != top->maximumSize(), c.resizable);
        EXPECT_EQ(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), c.resizable);
    }
}

}  // namespace
