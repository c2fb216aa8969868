#pragma once

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/beep.h"
#include "framework/label.h"
#include "framework/runtime.h"
#include "framework/slider.h"
#include "framework/text_field.h"
#include "framework/trace.h"
#include "framework/window.h"
#include "simulator/control_wnd.h"

// Closes every open window, the splash that an activation makes included, and
// lets the closing finish, so that no window, and no splash timer that would
// hand over to a new simulator, reaches the next test.
inline void CloseEveryWindow() {
    for (const auto& open : fw::OpenWindows()) {
        open->Close();
    }
    QTest::qWait(0);
    fw::ClearQuitRequest();
}

// A simulator window that counts its DoIt runs, built the way the accessor
// builds one, and closed again after each test.
class CountingControlWnd : public ControlWnd::ControlWnd {
  public:
    void DoIt(double rValue, std::int64_t n) override {
        ++doIts;
        lastDoItR = rValue;
        ControlWnd::DoIt(rValue, n);
    }
    int doIts = 0;
    double lastDoItR = -1;
};

class SimulatorTest : public testing::Test {
  protected:
    void SetUp() override {
        beepsBeforeBuild = fw::BeepCount();
        // What the runtime did while building the window, for the tests of
        // its construction order.
        struct TraceScope {
            explicit TraceScope(std::vector<std::string>& lines) {
                fw::SetRuntimeTrace([&lines](const std::string& line) { lines.push_back(line); });
            }
            ~TraceScope() { fw::SetRuntimeTrace({}); }
        } trace(buildTrace);
        window = fw::RuntimeNewObject<CountingControlWnd>();
        window->Constructor();
    }
    void TearDown() override {
        window->Close();
        window.reset();
        CloseEveryWindow();
    }

    QLineEdit* Edit(const std::shared_ptr<fw::TextField>& field) const { return field->Edit(); }
    QLineEdit* rEdit() const { return window->rEdit()->Edit(); }
    QLineEdit* nEdit() const { return window->nEdit()->Edit(); }
    QSlider* rSlider() const { return window->rSlider()->Bar(); }
    QSlider* nSlider() const { return window->nSlider()->Bar(); }

    // Types into a field as the user does, key by key.
    void Type(QLineEdit* edit, const char* text) { QTest::keyClicks(edit, text); }
    void Clear(QLineEdit* edit) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    // The read-outs as shown.
    std::string T() const { return window->tText()->Caption(); }
    std::string P() const { return window->pText()->Caption(); }
    std::string CI() const { return window->ciText()->Caption(); }
    std::string Z() const { return window->zFld()->Text(); }

    std::shared_ptr<CountingControlWnd> window;
    std::int64_t beepsBeforeBuild = 0;
    std::vector<std::string> buildTrace;
};
