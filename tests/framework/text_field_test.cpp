#include "framework/text_field.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "framework/exceptions.h"
#include "framework/runtime.h"
#include "framework/unhandled_exception.h"
#include "framework/window.h"
#include "tests/support/user_edit.h"

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
    std::vector<std::string> changes;
    for (const std::string& line : host->log) {
        if (line.starts_with("change:")) {
            changes.push_back(line.substr(7));
        }
    }
    const std::vector<std::string> stood = {"1", "1.", "1.2", "1.23", ".99999", ".9999", "", "12"};
    EXPECT_EQ(changes, stood);
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
                field->SetText("0.549");
                host->log.clear();
                edit->setFocus();
                selected ? edit->selectAll() : edit->end(false);
                Apply(edit, road);
                EXPECT_EQ(field->Text(), "0.549");
                EXPECT_EQ(std::count(host->log.begin(), host->log.end(), "change:0.549"), 0);
            }
        }
    }
}

TEST_F(TextFieldTest, ATargetThatIsGoneRaisesNilObject) {
    auto other = fw::RuntimeNewObject<Host>();
    auto delegate = fw::RuntimeCreateDelegate(&Host::Changed, other, "( TextField )");
    other.reset();
    EXPECT_THROW(delegate->Invoke<void>(host->Field()), fw::NilObjectException);
}

}  // namespace
