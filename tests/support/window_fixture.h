#pragma once

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "framework/application.h"
#include "framework/runtime.h"
#include "framework/trace.h"
#include "framework/window.h"

// Open and on screen.
inline bool Shown(const std::shared_ptr<fw::Window>& window) {
    return window && window->IsOpen() && window->TopLevel()->isVisible();
}

// Makes the window the active one, as a click on its title bar does, and
// waits until Qt has delivered the activation.
inline bool Activate(const fw::Window& window) {
    QWidget* top = window.TopLevel();
    top->activateWindow();
    return QTest::qWaitFor([top] { return QApplication::activeWindow() == top; }, 2000);
}

// The top-level menu captioned `caption` in the window's own Qt menu bar.
inline QMenu* MenuOf(const fw::Window& window, const QString& caption) {
    auto* main = qobject_cast<QMainWindow*>(window.TopLevel());
    auto* bar = main ? qobject_cast<QMenuBar*>(main->menuWidget()) : nullptr;
    if (!bar) {
        return nullptr;
    }
    for (QAction* action : bar->actions()) {
        if (action->menu() && action->text() == caption) {
            return action->menu();
        }
    }
    return nullptr;
}

// Pops the menu up as a click on its title does; its entries are prepared
// before it shows. Nil when the window has no such menu.
inline QMenu* OpenMenu(const fw::Window& window, const QString& caption) {
    QMenu* menu = MenuOf(window, caption);
    if (menu) {
        menu->popup(window.TopLevel()->mapToGlobal(QPoint(0, 0)));
    }
    return menu;
}

// The `nth` action captioned `caption` in `menu` (both About items share one
// caption), or Nil.
inline QAction* ActionOf(const QMenu* menu, const QString& caption, int nth = 0) {
    if (!menu) {
        return nullptr;
    }
    for (QAction* action : menu->actions()) {
        if (action->text() == caption && nth-- == 0) {
            return action;
        }
    }
    return nullptr;
}

// Opens the menu and clicks its `nth` entry of that caption, as the user
// does; false when the entry is not there or not enabled.
inline bool Choose(const fw::Window& window, const QString& menuCaption, const QString& item,
                   int nth = 0) {
    QMenu* menu = OpenMenu(window, menuCaption);
    QAction* action = ActionOf(menu, item, nth);
    if (!action || !action->isEnabled()) {
        if (menu) {
            menu->hide();
        }
        return false;
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    // A click on an entry closes the menu; make sure of it either way.
    menu->hide();
    return true;
}

// The application object and its About handlers, as start-up registers them;
// once per process, since the registration is process-wide.
inline void RegisterApplicationOnce() {
    if (!fw::GetAppObject()) {
        NewAppInstance();
        ApplicationAddMenuHandlers();
    }
}

// Tests that bring up the program's windows: the application object is
// registered, the runtime's trace is recorded, and every window that a test
// left open is closed again afterwards.
class WindowsTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { RegisterApplicationOnce(); }

    void SetUp() override {
        fw::ClearQuitRequest();
        fw::SetRuntimeTrace([this](const std::string& line) { trace.push_back(line); });
    }

    void TearDown() override {
        fw::SetRuntimeTrace({});
        CloseAllWindows();
        EXPECT_TRUE(fw::OpenWindows().empty()) << "a window stayed open after closing";
        fw::ClearQuitRequest();
    }

    static void CloseAllWindows() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        for (const auto& window : fw::OpenWindows()) {
            window->Close();
        }
        // Closed windows are let go and their widgets deleted after the event.
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool Traced(const std::string& line) const {
        return std::find(trace.begin(), trace.end(), line) != trace.end();
    }

    std::vector<std::string> trace;
};
