// Built into a copy of the program, nerq_driven, beside its own main: a user
// who watches the splash, waits for the simulator (or hands over with a
// key) and notes when it came, chooses both About entries of the
// simulator's Window menu and quits through File > Quit, all through the
// program's real Qt objects. Every observation is one line on standard
// output, for the tests that start it to check; so is every line of the
// runtime's trace, prefixed "trace ".

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "framework/runtime.h"
#include "framework/startup.h"
#include "framework/trace.h"
#include "framework/window.h"

namespace {

void Say(const std::string& line) {
    std::cout << line << std::endl;
}

std::string NameOf(const QWidget* widget) {
    for (const auto& window : fw::OpenWindows()) {
        if (window->TopLevel() == widget) {
            return window->Record().Name();
        }
    }
    return widget->metaObject()->className();
}

// The top-level widgets on screen, by the class of the window behind each.
std::string Shown() {
    std::vector<std::string> names;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            names.push_back(NameOf(widget));
        }
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text.empty() ? "nothing" : text;
}

QWidget* TopLevelOf(const char* className) {
    const auto window = fw::GetImplicitWindow(className);
    return window ? window->TopLevel() : nullptr;
}

// The `nth` action captioned `text` in the simulator's menu `menuTitle`.
QAction* SimulatorMenuAction(const QString& menuTitle, const QString& text, int nth) {
    auto* main = qobject_cast<QMainWindow*>(TopLevelOf("ControlWnd.ControlWnd"));
    if (!main) {
        throw std::runtime_error("no simulator window");
    }
    for (QAction* top : main->menuBar()->actions()) {
        if (top->text() != menuTitle || !top->menu()) {
            continue;
        }
        for (QAction* action : top->menu()->actions()) {
            if (action->text() == text && nth-- == 0) {
                return action;
            }
        }
    }
    throw std::runtime_error("no " + menuTitle.toStdString() + " > " + text.toStdString());
}

// Runs one step of the script from the event loop; nothing may escape into
// Qt, and a failing script must still end the program.
void Later(int ms, std::function<void()> step) {
    QTimer::singleShot(ms, qApp, [step = std::move(step)] {
        try {
            step();
        } catch (const std::exception& e) {
            Say(std::string("driver failed: ") + e.what());
            fw::Quit(2);
        }
    });
}

QElapsedTimer clock;

// When each top-level widget was first shown, by the clock, and which have
// been drawn.
class ShowTimes : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow()) {
            firstShown.try_emplace(widget, clock.elapsed());
        }
        if (event->type() == QEvent::Paint && widget) {
            drawn.insert(widget->window());
        }
        return false;
    }
    std::map<const QWidget*, qint64> firstShown;
    std::set<const QWidget*> drawn;
};
ShowTimes* showTimes = nullptr;

void AwaitHandOver();
void ChooseAbout();
void ChooseAboutAgain();
void ChooseQuit();

// Where NERQ_DRIVER_HAND_OVER=key, the user does not wait for the splash's
// timer but presses a key in it once it has been drawn: for the starts that
// are about the display, not the time.
bool HandsOverByKey() {
    return qgetenv("NERQ_DRIVER_HAND_OVER") == "key";
}

void PressAKeyOnceTheSplashIsDrawn() {
    QWidget* splash = TopLevelOf("AboutWnd.AboutWnd");
    if (!splash || !showTimes->drawn.contains(splash)) {
        if (clock.elapsed() > 15000) {
            throw std::runtime_error("the splash was never drawn");
        }
        Later(10, PressAKeyOnceTheSplashIsDrawn);
        return;
    }
    Say("splash drawn: " + Shown());
    QTest::keyClick(splash, Qt::Key_Space);
    AwaitHandOver();
}

// Polls for the hand-over, with a deadline, and says how long after the
// start the simulator was first shown.
void AwaitHandOver() {
    if (Shown() != "ControlWnd.ControlWnd") {
        if (clock.elapsed() > 15000) {
            throw std::runtime_error("no hand-over; shown: " + Shown());
        }
        Later(50, AwaitHandOver);
        return;
    }
    Say("handed over: " + Shown());
    const auto shown = showTimes->firstShown.find(TopLevelOf("ControlWnd.ControlWnd"));
    Say(shown == showTimes->firstShown.end()
            ? std::string("simulator shown unseen")
            : "simulator shown at " + std::to_string(shown->second) + " ms");
    Say(std::string("splash ") + (TopLevelOf("AboutWnd.AboutWnd") ? "open" : "closed"));
    ChooseAbout();
}

// The simulator's activation, which comes after it is shown, hides the
// splash; a user reaches for its menu once it is in front.
void ChooseAbout() {
    if (QApplication::activeWindow() != TopLevelOf("ControlWnd.ControlWnd")) {
        if (clock.elapsed() > 15000) {
            throw std::runtime_error("the simulator never became active");
        }
        Later(10, ChooseAbout);
        return;
    }
    SimulatorMenuAction("Window", "About Nerq", 0)->trigger();
    Later(100, [] {
        Say("Window > About Nerq (first): " + Shown());
        QWidget* splash = TopLevelOf("AboutWnd.AboutWnd");
        if (!splash) {
            throw std::runtime_error("no splash to press a key in");
        }
        QTest::keyClick(splash, Qt::Key_Space);
        Later(100, ChooseAboutAgain);
    });
}

void ChooseAboutAgain() {
    Say("key in the splash: " + Shown());
    SimulatorMenuAction("Window", "About Nerq", 1)->trigger();
    Later(100, ChooseQuit);
}

void ChooseQuit() {
    Say("Window > About Nerq (second): " + Shown());
    Say("File > Quit");
    SimulatorMenuAction("File", "Quit", 0)->trigger();
}

// Runs among the initialisers, before the splash is built and its timer
// starts, so the times it gives are never shorter than the splash's own.
void Script() {
    clock.start();
    showTimes = new ShowTimes;
    showTimes->setParent(qApp);
    qApp->installEventFilter(showTimes);
    Later(0, [] {
        Say("loop started: " + Shown());
        Say("device pixel ratio: " + QString::number(qApp->devicePixelRatio()).toStdString());
    });
    if (HandsOverByKey()) {
        Later(0, PressAKeyOnceTheSplashIsDrawn);
    } else {
        Later(3000, [] {
            Say("at 3 s: " + Shown());
            AwaitHandOver();
        });
    }
    // Whatever goes wrong, the program ends.
    Later(30000, [] {
        Say("driver timed out");
        fw::Quit(3);
    });
}

const bool installed = [] {
    fw::SetRuntimeTrace([](const std::string& line) { Say("trace " + line); });
    fw::AddInitializer("program driver", Script);
    fw::AddFinalizer("program driver", [] { Say("finalisers ran"); });
    return true;
}();

}  // namespace
