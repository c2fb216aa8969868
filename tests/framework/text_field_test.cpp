#include "framework/text_field.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "framework/beep.h"
#include "framework/exceptions.h"
#include "framework/runtime.h"
#include "framework/unhandled_exception.h"
#include "framework/window.h"
#include "tests/support/user_edit.h"
#include "tests/support/xvfb_rerun.h"

namespace {

// A window with one field, whose hooks the tests set.
class Host : public fw::Window {
  public:
    std::vector<std::string> log;
    std::function<void(Host&)> onChange;
    std::function<bool(const std::string&)> onKey;

    void Changed(std::shared_ptr<fw::TextField> field) {
        log.push_back("change:" + field->Text());
        if (onChange) {
            onChange(*this);
        }
    }
    bool Key(std::shared_ptr<fw::TextField>, std::string key) {
        log.push_back("key:" + key);
        return onKey ? onKey(key) : false;
    }
    std::shared_ptr<fw::TextField> Field() {
        return fw::RuntimeCheckCast<fw::TextField>(ControlByName("Field"));
    }
};

// What the TextChange hook heard, in order.
std::vector<std::string> Changes(const std::vector<std::string>& log) {
    std::vector<std::string> changes;
    for (const std::string& line : log) {
        if (line.starts_with("change:")) {
            changes.push_back(line.substr(7));
        }
    }
    return changes;
}

class TextFieldTest : public testing::Test {
  protected:
    void SetUp() override {
        host = fw::RuntimeNewObject<Host>();
        host->Constructor();
        auto field = host->New<fw::TextField>();
        field->Constructor();
        host->AddControl("Field", field);
        fw::RuntimeAddEventHandler(
            field, fw::TextField::TextChange,
            fw::RuntimeCreateDelegate(&Host::Changed, host, "( TextField )"));
        fw::RuntimeAddEventHandler(
            field, fw::TextField::KeyDown,
            fw::RuntimeCreateDelegate(&Host::Key, host, "( TextField, String ) as Boolean"));
        fw::SetUnhandledExceptionHandler(
            [this](std::exception_ptr e) { unhandled.push_back(fw::DescribeException(e)); });
    }
    void TearDown() override {
        fw::SetUnhandledExceptionHandler({});
        host->Close();
        fw::ClearQuitRequest();
    }

    std::shared_ptr<Host> host;
    std::vector<std::string> unhandled;
};

TEST_F(TextFieldTest, KeysReachKeyDownBeforeTheFieldAndTrueDiscardsThem) {
    host->onKey = [](const std::string& key) { return key == "x"; };
    QTest::keyClicks(host->Field()->Edit(), "axb");
    EXPECT_EQ(host->Field()->Text(), "ab");
    const std::vector<std::string> expected = {"key:a", "change:a", "key:x", "key:b", "change:ab"};
    EXPECT_EQ(host->log, expected);

    // Ctrl+Shift with a letter is a shortcut, whatever text the key brings.
    host->log.clear();
    QTest::keyClick(host->Field()->Edit(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QKeyEvent upper(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier, "B");
    QApplication::sendEvent(host->Field()->Edit(), &upper);
    EXPECT_TRUE(host->log.empty());
    EXPECT_EQ(host->Field()->Text(), "ab");
}

TEST_F(TextFieldTest, SettingTheTextRunsTextChangeBeforeReturningAlsoWhenNested) {
    host->onChange = [](Host& h) {
        if (h.Field()->Text() == "outer") {
            h.Field()->SetText("inner");
            h.log.push_back("after inner set");
        }
    };
    host->Field()->SetText("outer");
    const std::vector<std::string> expected = {"change:outer", "change:inner", "after inner set"};
    EXPECT_EQ(host->log, expected);
    EXPECT_EQ(host->Field()->Text(), "inner");
}

TEST_F(TextFieldTest, AnExceptionInTheHookComesOutOfTheSetter) {
    host->onChange = [](Host&) { throw fw::NilObjectException("from the hook"); };
    EXPECT_THROW(host->Field()->SetText("x"), fw::NilObjectException);
    EXPECT_TRUE(unhandled.empty());
}

TEST_F(TextFieldTest, AnExceptionInAHookRunByTheUserGoesToTheUnhandledRoutine) {
    host->onKey = [](const std::string&) -> bool { throw fw::IllegalCastException("typed"); };
    QTest::keyClick(host->Field()->Edit(), 'a');
    ASSERT_EQ(unhandled.size(), 1u);
    EXPECT_EQ(unhandled[0], "IllegalCastException: typed");
}

TEST_F(TextFieldTest, ADelegateMustCarryTheEventsSignature) {
    auto wrong = fw::RuntimeCreateDelegate(&Host::Changed, host, "( Slider )");
    EXPECT_THROW(fw::RuntimeAddEventHandler(host->Field(), fw::TextField::TextChange, wrong),
                 fw::RuntimeException);
    EXPECT_THROW(fw::RuntimeAddEventHandler(host->Field(), 999, wrong), fw::RuntimeException);
}

TEST_F(TextFieldTest, MaskAndLimitHoldForTypingAndPastingButNotForTheProgram) {
    auto field = host->Field();
    field->SetValidationMask(".###");
    field->SetMaximumCharactersAllowed(4);
    QTest::keyClicks(field->Edit(), "1a.2345");
    EXPECT_EQ(field->Text(), "1.23");
    field->SetText(".99999");
    EXPECT_EQ(field->Text(), ".99999");
    // A text beyond the limit can still be shortened.
    field->Edit()->setFocus();
    field->Edit()->end(false);
    QTest::keyClick(field->Edit(), Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), ".9999");
    // Undo would bring back a text beyond the limit: it is taken back.
    QTest::keyClick(field->Edit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), ".9999");
    field->SetText("");
    field->Edit()->insert("12x");  // a paste goes the same way as typing
    EXPECT_EQ(field->Text(), "");
    field->Edit()->insert("12");
    EXPECT_EQ(field->Text(), "12");

    // The hook hears each change that stands, once, and no refused or
    // taken-back one.
    const std::vector<std::string> stood = {"1", "1.", "1.2", "1.23", ".99999", ".9999", "", "12"};
    EXPECT_EQ(Changes(host->log), stood);
}

// A middle click pastes the X selection where the cursor lands, under the
// field's rule like any other edit. A platform without a selection, such as
// the offscreen one, runs it on X instead.
TEST_F(TextFieldTest, AMiddleClickPastesTheSelectionUnderTheRule) {
    if (!QGuiApplication::clipboard()->supportsSelection()) {
        RerunOnXvfb({CurrentTestName()});
        return;
    }
    auto field = host->Field();
    field->SetValidationMask(".###");
    field->SetMaximumCharactersAllowed(4);
    const struct {
        const char* before;  // set by the program
        const char* selected;
        const char* after;
        int beeps;
    } cases[] = {
        {"", "0.25", "0.25", 0},
        {".5", "x", ".5", 1},
        {".5", "123", ".5", 1},
        {".99999", "7", ".99999", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.selected) + " into \"" + c.before + "\"");
        field->SetText(c.before);
        host->log.clear();
        const auto beeps = fw::BeepCount();
        Apply(field->Edit(), MiddleClickPasted(c.selected));
        EXPECT_EQ(field->Text(), c.after);
        EXPECT_EQ(fw::BeepCount() - beeps, c.beeps);
        const std::vector<std::string> heard =
            c.beeps == 0 ? std::vector<std::string>{c.after} : std::vector<std::string>{};
        EXPECT_EQ(Changes(host->log), heard);
    }
}

// A read-only field, enabled or (as the z read-out) disabled, takes no edit
// by any road, with its text selected or not; its hook hears of none.
TEST_F(TextFieldTest, AReadOnlyFieldTakesNoEditByAnyRoad) {
    auto field = host->Field();
    field->SetReadOnly(true);
    QLineEdit* edit = field->Edit();
    for (const bool enabled : {true, false}) {
        field->SetEnabled(enabled);
        for (const bool selected : {true, false}) {
            for (const UserEdit& road : EveryEditRoad()) {
                SCOPED_TRACE(road.text.toStdString() + (enabled ? "" : ", disabled") +
                             (selected ? ", all selected" : ""));
                field->SetText("");
                host->log.clear();
                field->SetText("0.549");
                edit->setFocus();
                selected ? edit->selectAll() : edit->end(false);
                Apply(edit, road);
                EXPECT_EQ(field->Text(), "0.549");
                // The program's own change, and nothing else.
                EXPECT_EQ(Changes(host->log), std::vector<std::string>{"0.549"});
            }
        }
    }
}

// On X the middle click among the roads pastes for real: the walk runs
// there too.
TEST(TextFieldOnX, EditRoadsHoldOnARealDisplay) {
    RerunOnXvfb({"TextFieldTest.AReadOnlyFieldTakesNoEditByAnyRoad"});
}

TEST_F(TextFieldTest, ATargetThatIsGoneRaisesNilObject) {
    auto other = fw::RuntimeNewObject<Host>();
    auto delegate = fw::RuntimeCreateDelegate(&Host::Changed, other, "( TextField )");
    other.reset();
    EXPECT_THROW(delegate->Invoke<void>(host->Field()), fw::NilObjectException);
}

}  // namespace
