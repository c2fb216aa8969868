// A long, seeded session of random user actions through the real widgets:
// keys of every kind and pastes into both fields, slider steps and jumps,
// menu choices, "?", the About and information windows opened, closed and
// clicked, activations. After every action nothing has crashed or escaped to
// the unhandled-exception routine, no class has two open windows, and the
// simulator's read-outs are those that its documented ranges give for the
// r and N that its fields show. NERQ_SESSION_ACTIONS and NERQ_SESSION_SEED
// change the length and the seed.

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/startup.h"
#include "framework/functions.h"
#include "framework/integer_conversion.h"
#include "framework/runtime.h"
#include "framework/unhandled_exception.h"
#include "framework/window.h"
#include "simulator/control_wnd.h"
#include "simulator/statistics.h"
#include "windows/about_wnd_accessor.h"
#include "windows/info_wnd_accessor.h"

namespace {

long Setting(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : fallback;
}

std::shared_ptr<class ControlWnd::ControlWnd> OpenSimulator() {
    for (const auto& window : fw::OpenWindows()) {
        if (auto simulator = std::dynamic_pointer_cast<class ControlWnd::ControlWnd>(window)) {
            return simulator;
        }
    }
    return nullptr;
}

std::shared_ptr<fw::Window> OpenOf(const std::string& className) {
    return fw::GetImplicitWindow(className);
}

// The N field takes at most four digits, whether typed or pasted, and the
// N slider writes only its own positions into it: what the user can put
// there, and all that the model below has to reckon with.
bool AtMostFourDigits(const std::string& text) {
    return text.size() <= 4 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What the simulator must show for its fields, by its documented ranges: r is
// held between 0 and .99999; an N below 4 shows the range hint, one above
// 1000 shows it and leaves t, p and the interval blank, and any other N has
// its statistics.
struct Expected {
    std::string t, p, ci, z;
    bool hint;
};

Expected ExpectedFor(const std::string& rText, const std::string& nText, bool computed,
                     bool rChanged, bool nChanged) {
    double r = fw::Val(rText);
    r = r < 0 ? 0 : (r > 0.99999 ? 0.99999 : r);
    const std::int64_t n = fw::TruncateToInteger(fw::Val(nText));
    Expected e{};
    e.hint = (nChanged && n < 4) || ((nChanged || rChanged) && n > 1000);
    if (rChanged) {
        e.z = fw::Format(stats::FisherZ(r), "##0.000");
    }
    if (computed && n <= 1000) {
        const double t = stats::TStatistic(r, n);
        e.t = fw::Format(t, "#####.00");
        e.p = fw::Format(stats::TwoSidedP(t, n - 2), ".00000");
        const stats::Interval ci = stats::ConfidenceInterval95(r, n);
        e.ci = fw::Format(ci.lower, "+.000") + " to " + fw::Format(ci.upper, "+.000");
    }
    return e;
}

class RandomSession : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        NewAppInstance();
        ApplicationAddMenuHandlers();
    }

    void SetUp() override {
        fw::SetUnhandledExceptionHandler(
            [this](std::exception_ptr e) { escaped.push_back(fw::DescribeException(e)); });
    }
    void TearDown() override {
        fw::SetUnhandledExceptionHandler({});
        for (const auto& window : fw::OpenWindows()) {
            window->Close();
        }
        fw::ClearQuitRequest();
        QTest::qWait(0);
    }

    std::mt19937 random{
        static_cast<std::mt19937::result_type>(Setting("NERQ_SESSION_SEED", 20261210))};
    std::vector<std::string> escaped;

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    std::string RandomText() {
        static const std::vector<std::string> pieces = {
            "0",    "1",     "2",      "5",     "9",   ".",   "..",       "-",
            "+",    "e",     "E3",     " ",     ",",   "a",   "x",        "1000",
            "1001", "99999", ".99999", "1e999", "nan", "inf", "\xc3\xa9", "\xe2\x89\xa0",
            "\t"};
        std::string text;
        for (int i = Pick(5); i >= 0; --i) {
            text += pieces[Pick(static_cast<int>(pieces.size()))];
        }
        return text;
    }

    void TypeKey(QWidget* target) {
        struct Key {
            Qt::Key key;
            char text;
            Qt::KeyboardModifiers modifiers;
        };
        static const std::vector<Key> keys = {
            {Qt::Key_0, '0', {}},
            {Qt::Key_3, '3', {}},
            {Qt::Key_4, '4', {}},
            {Qt::Key_7, '7', {}},
            {Qt::Key_9, '9', {}},
            {Qt::Key_1, '1', {}},
            {Qt::Key_Period, '.', {}},
            {Qt::Key_Minus, '-', {}},
            {Qt::Key_A, 'a', {}},
            {Qt::Key_E, 'e', {}},
            {Qt::Key_Space, ' ', {}},
            {Qt::Key_Comma, ',', {}},
            {Qt::Key_Backspace, 0, {}},
            {Qt::Key_Delete, 0, {}},
            {Qt::Key_Tab, 0, {}},
            {Qt::Key_Return, 0, {}},
            {Qt::Key_Escape, 0, {}},
            {Qt::Key_Left, 0, {}},
            {Qt::Key_Right, 0, {}},
            {Qt::Key_Home, 0, {}},
            {Qt::Key_End, 0, {}},
            {Qt::Key_F5, 0, {}},
            {Qt::Key_A, 0, Qt::ControlModifier},
            {Qt::Key_Z, 0, Qt::ControlModifier},
            {Qt::Key_X, 0, Qt::ControlModifier},
            {Qt::Key_Shift, 0, Qt::ShiftModifier},
        };
        const Key& key = keys[Pick(static_cast<int>(keys.size()))];
        if (key.text) {
            QTest::keyClick(target, key.text, key.modifiers);
        } else {
            QTest::keyClick(target, key.key, key.modifiers);
        }
    }

    void Paste(QLineEdit* edit) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(RandomText()));
        if (Pick(2)) {
            edit->selectAll();
        }
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }

    void ChooseMenuEntry(fw::Window& window) {
        auto* main = qobject_cast<QMainWindow*>(window.TopLevel());
        if (!main || !main->menuBar()) {
            return;
        }
        const QList<QMenu*> menus = main->menuBar()->findChildren<QMenu*>();
        if (menus.isEmpty()) {
            return;
        }
        QMenu* menu = menus[Pick(static_cast<int>(menus.size()))];
        menu->popup(QPoint(0, 0));
        QList<QAction*> actions;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->text() != "Quit") {
                actions.push_back(action);
            }
        }
        if (actions.isEmpty() || Pick(4) == 0) {
            menu->hide();
            return;
        }
        QAction* action = actions[Pick(static_cast<int>(actions.size()))];
        if (action->isEnabled()) {
            menu->hide();
            action->trigger();
        } else {
            menu->hide();
        }
    }
};

TEST_F(RandomSession, KeepsTheWindowsSoundAndTheReadOutsTrue) {
    const long actions = Setting("NERQ_SESSION_ACTIONS", 10000);
    // Whether each field has been changed since the simulator was built, and
    // whether anything was computed.
    bool rChanged = false, nChanged = false;
    std::string lastR, lastN;

    ControlWnd::ControlWnd();
    for (long step = 0; step < actions; ++step) {
        auto simulator = OpenSimulator();
        ASSERT_TRUE(simulator) << "step " << step;
        QLineEdit* rEdit = simulator->rEdit()->Edit();
        QLineEdit* nEdit = simulator->nEdit()->Edit();
        const int action = Pick(100);
        if (action < 30) {
            TypeKey(Pick(2) ? rEdit : nEdit);
        } else if (action < 38) {
            Paste(Pick(2) ? rEdit : nEdit);
        } else if (action < 55) {
            QSlider* slider = Pick(2) ? simulator->rSlider()->Bar() : simulator->nSlider()->Bar();
            static const Qt::Key steps[] = {Qt::Key_Right,    Qt::Key_Left, Qt::Key_PageUp,
                                            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
            if (Pick(3) == 0) {
                slider->setValue(slider->minimum() +
                                 Pick(slider->maximum() - slider->minimum() + 1));
            } else {
                QTest::keyClick(slider, steps[Pick(6)]);
            }
        } else if (action < 65) {
            ChooseMenuEntry(*simulator);
        } else if (action < 70) {
            QTest::mouseClick(simulator->Qbtn()->Button(), Qt::LeftButton);
        } else if (action < 75) {
            if (auto info = OpenOf("InfoWnd.InfoWnd")) {
                Pick(2) ? info->Close() : ChooseMenuEntry(*info);
            }
        } else if (action < 82) {
            if (auto about = OpenOf("AboutWnd.AboutWnd")) {
                switch (Pick(3)) {
                    case 0:
                        about->Close();
                        break;
                    case 1:
                        QTest::keyClick(about->TopLevel(), Qt::Key_K);
                        break;
                    default:
                        QTest::mouseClick(about->Content(), Qt::LeftButton);
                        break;
                }
            }
        } else if (action < 92) {
            const auto open = fw::OpenWindows();
            const auto& window =
                open[static_cast<std::size_t>(Pick(static_cast<int>(open.size())))];
            QApplication::setActiveWindow(window->TopLevel());
        } else {
            QTest::qWait(Pick(3));
        }
        QCoreApplication::processEvents();

        ASSERT_TRUE(escaped.empty()) << "step " << step << ": " << escaped.front();
        ASSERT_FALSE(fw::QuitRequest()) << "step " << step;
        std::map<std::string, int> perClass;
        for (const auto& window : fw::OpenWindows()) {
            ASSERT_EQ(++perClass[window->Record().Name()], 1) << "step " << step;
        }

        simulator = OpenSimulator();
        ASSERT_TRUE(simulator);
        const std::string rText = simulator->rEdit()->Text();
        const std::string nText = simulator->nEdit()->Text();
        rChanged = rChanged || rText != lastR;
        nChanged = nChanged || nText != lastN;
        lastR = rText;
        lastN = nText;
        ASSERT_TRUE(AtMostFourDigits(nText)) << "step " << step << " N " << nText;
        const Expected e = ExpectedFor(rText, nText, rChanged || nChanged, rChanged, nChanged);
        ASSERT_EQ(simulator->tText()->Caption(), e.t)
            << "step " << step << " r " << rText << " N " << nText;
        ASSERT_EQ(simulator->pText()->Caption(), e.p) << "step " << step;
        ASSERT_EQ(simulator->ciText()->Caption(), e.ci) << "step " << step;
        ASSERT_EQ(simulator->zFld()->Text(), e.z) << "step " << step << " r " << rText;
        ASSERT_EQ(simulator->nText()->Visible(), e.hint) << "step " << step << " N " << nText;
    }
}

}  // namespace
