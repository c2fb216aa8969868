#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include "framework/beep.h"
#include "tests/support/simulator_fixture.h"
#include "tests/support/user_edit.h"

namespace {

using Input = SimulatorTest;

TEST_F(Input, KeyFiltersBeepAtRefusedKeysAndLeaveTheFieldAlone) {
    struct Case {
        const char* field;
        Qt::Key key;
        char text;  // 0: the key's own text
        bool accepted;
    };
    // The last rows: the codes just below and above the digits (47 and 58) and
    // the digits at the ends (48 and 57; a lone 0 in the N field is an N below
    // 4, which beeps for that).
    const Case cases[] = {
        {"r", Qt::Key_A, 'a', false},     {"n", Qt::Key_A, 'a', false},
        {"r", Qt::Key_Minus, '-', false}, {"n", Qt::Key_Minus, '-', false},
        {"r", Qt::Key_Space, ' ', false}, {"n", Qt::Key_Space, ' ', false},
        {"r", Qt::Key_Comma, ',', false}, {"n", Qt::Key_Comma, ',', false},
        {"r", Qt::Key_Period, '.', true}, {"n", Qt::Key_Period, '.', false},
        {"r", Qt::Key_5, '5', true},      {"n", Qt::Key_7, '7', true},
        {"r", Qt::Key_Return, 0, false},  {"n", Qt::Key_Escape, 0, false},
        {"r", Qt::Key_F2, 0, true},       {"n", Qt::Key_F2, 0, true},
        {"r", Qt::Key_Slash, '/', false}, {"n", Qt::Key_Slash, '/', false},
        {"r", Qt::Key_Colon, ':', false}, {"n", Qt::Key_Colon, ':', false},
        {"r", Qt::Key_0, '0', true},      {"r", Qt::Key_9, '9', true},
        {"n", Qt::Key_9, '9', true},
    };
    for (const Case& c : cases) {
        QLineEdit* edit = std::string(c.field) == "r" ? rEdit() : nEdit();
        edit->setText("");
        const auto beeps = fw::BeepCount();
        if (c.text) {
            QTest::keyClick(edit, c.text);
        } else {
            QTest::keyClick(edit, c.key);
        }
        SCOPED_TRACE(std::string(c.field) + " field, key " + std::to_string(c.key));
        const bool changed = !edit->text().isEmpty();
        EXPECT_EQ(fw::BeepCount() - beeps, c.accepted ? 0 : 1);
        if (!c.accepted) {
            EXPECT_FALSE(changed);
        }
    }
}

TEST_F(Input, BackspaceAndTabPassWithoutBeep) {
    Type(rEdit(), ".5");
    auto beeps = fw::BeepCount();
    rEdit()->setFocus();
    QTest::keyClick(rEdit(), Qt::Key_Backspace);
    EXPECT_EQ(rEdit()->text(), ".");
    QTest::keyClick(rEdit(), Qt::Key_Tab);
    EXPECT_EQ(fw::BeepCount(), beeps);
}

TEST_F(Input, CursorKeysAndShortcutsAreNotTypedKeys) {
    Type(nEdit(), "123");
    const auto beeps = fw::BeepCount();
    nEdit()->setFocus();
    QTest::keyClick(nEdit(), Qt::Key_Left);
    QTest::keyClick(nEdit(), Qt::Key_Home);
    QTest::keyClick(nEdit(), Qt::Key_Delete);
    EXPECT_EQ(nEdit()->text(), "23");
    QTest::keyClick(nEdit(), Qt::Key_A, Qt::ControlModifier);  // select all
    EXPECT_EQ(nEdit()->selectedText(), "23");
    EXPECT_EQ(fw::BeepCount(), beeps);
}

TEST_F(Input, TypedRAndNGiveTheWorkedReadOuts) {
    Type(nEdit(), "20");
    Type(rEdit(), ".5");
    EXPECT_EQ(T(), "2.45");
    EXPECT_EQ(P(), ".02477");
    EXPECT_EQ(CI(), "+.074 to +.772");
    EXPECT_EQ(Z(), "0.549");
    EXPECT_DOUBLE_EQ(window->r, 0.5);
    EXPECT_EQ(window->N, 20);
}

TEST_F(Input, RAboveTheRangeIsHeldAndWrittenBack) {
    Type(nEdit(), "10");
    window->doIts = 0;
    const auto beeps = fw::BeepCount();
    Type(rEdit(), "2");
    EXPECT_EQ(rEdit()->text(), ".99999");
    EXPECT_DOUBLE_EQ(window->r, 0.99999);
    EXPECT_EQ(window->doIts, 2);  // the nested run and the outer run
    EXPECT_DOUBLE_EQ(window->lastDoItR, 0.99999);
    EXPECT_EQ(T(), "632.45");
    EXPECT_EQ(P(), ".00001");
    EXPECT_EQ(CI(), "+1.000 to +1.000");
    EXPECT_EQ(Z(), "6.103");
    EXPECT_EQ(fw::BeepCount(), beeps);
}

TEST_F(Input, RBelowTheRangeIsHeldAtZero) {
    Type(nEdit(), "20");
    window->doIts = 0;
    // Typing cannot give a negative r (the minus sign is refused); the
    // program's own text can.
    window->rEdit()->SetText("-0.4");
    EXPECT_EQ(rEdit()->text(), ".000");
    EXPECT_DOUBLE_EQ(window->r, 0);
    EXPECT_EQ(window->doIts, 2);
    EXPECT_EQ(T(), ".00");
    EXPECT_EQ(P(), ".99999");
    EXPECT_EQ(CI(), "-.443 to +.443");
    EXPECT_EQ(Z(), "0.000");
}

TEST_F(Input, NBelowFourBeepsAndShowsTheHintButStillComputes) {
    Type(rEdit(), ".5");
    const auto beeps = fw::BeepCount();
    Type(nEdit(), "3");
    EXPECT_EQ(fw::BeepCount() - beeps, 1);
    EXPECT_TRUE(window->nText()->Visible());
    EXPECT_EQ(T(), ".00");
    EXPECT_EQ(P(), ".99999");
    EXPECT_EQ(CI(), "-1.000 to NaN");

    Clear(nEdit());  // an empty field reads as 0: one more beep
    const auto before = fw::BeepCount();
    Type(nEdit(), "4");
    EXPECT_EQ(fw::BeepCount(), before);
    EXPECT_FALSE(window->nText()->Visible());
    EXPECT_EQ(P(), ".50000");
}

TEST_F(Input, NAboveAThousandBeepsOnceAndEmptiesTheReadOuts) {
    Type(rEdit(), ".3");
    Type(nEdit(), "200");
    ASSERT_EQ(P(), ".00002");
    const double t = window->t, p = window->p;
    const auto beeps = fw::BeepCount();
    Type(nEdit(), "0");  // 2000
    EXPECT_EQ(fw::BeepCount() - beeps, 1);
    EXPECT_TRUE(window->nText()->Visible());
    EXPECT_EQ(T(), "");
    EXPECT_EQ(P(), "");
    EXPECT_EQ(CI(), "");
    EXPECT_EQ(Z(), "0.310");  // untouched
    EXPECT_DOUBLE_EQ(window->t, t);
    EXPECT_DOUBLE_EQ(window->p, p);

    // Each r step computes twice, so it beeps twice.
    const auto stepBeeps = fw::BeepCount();
    QTest::keyClick(rSlider(), Qt::Key_Right);
    EXPECT_EQ(fw::BeepCount() - stepBeeps, 2);
}

// The largest N that computes, and one more, typed as the user types them.
TEST_F(Input, ATypedNOfAThousandComputesAndOneMoreBlanksTheReadOutsWithOneBeep) {
    struct Case {
        const char* lastDigit;  // after "100"
        bool computes;
    };
    const Case cases[] = {{"0", true}, {"1", false}, {"0", true}};
    Type(rEdit(), ".01");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("N 100") + c.lastDigit);
        Clear(nEdit());
        Type(nEdit(), "100");
        const auto beeps = fw::BeepCount();
        Type(nEdit(), c.lastDigit);
        EXPECT_EQ(fw::BeepCount() - beeps, c.computes ? 0 : 1);
        EXPECT_EQ(window->nText()->Visible(), !c.computes);
        EXPECT_EQ(T(), c.computes ? ".32" : "");
        EXPECT_EQ(P(), c.computes ? ".75212" : "");
        EXPECT_EQ(CI(), c.computes ? "-.052 to +.072" : "");
    }
}

TEST_F(Input, RSliderWritesTheFieldAndComputesTwice) {
    Type(nEdit(), "20");
    window->doIts = 0;
    const int before = nSlider()->value();
    rSlider()->setValue(37);
    EXPECT_EQ(rEdit()->text(), ".370");
    EXPECT_DOUBLE_EQ(window->r, 0.37);
    EXPECT_EQ(window->doIts, 2);
    EXPECT_EQ(Z(), "0.388");
    EXPECT_EQ(nSlider()->value(), before);

    window->doIts = 0;
    QTest::keyClick(rSlider(), Qt::Key_Right);
    EXPECT_EQ(rEdit()->text(), ".380");
    EXPECT_EQ(window->doIts, 2);
}

TEST_F(Input, NSliderWritesTheFieldAndComputesTwice) {
    Type(rEdit(), ".01");
    Type(nEdit(), "3");
    ASSERT_TRUE(window->nText()->Visible());
    window->doIts = 0;
    QTest::keyClick(nSlider(), Qt::Key_End);
    EXPECT_EQ(nSlider()->value(), 1000);
    EXPECT_EQ(nEdit()->text(), "1000");
    EXPECT_EQ(window->N, 1000);
    EXPECT_EQ(window->doIts, 2);
    EXPECT_FALSE(window->nText()->Visible());
    EXPECT_EQ(T(), ".32");
    EXPECT_EQ(P(), ".75212");
    EXPECT_EQ(CI(), "-.052 to +.072");
}

TEST_F(Input, TypingMovesNoSlider) {
    Type(rEdit(), ".75");
    Type(nEdit(), "500");
    EXPECT_EQ(rSlider()->value(), 0);
    EXPECT_EQ(nSlider()->value(), 4);
}

TEST_F(Input, TheNArgumentOfDoItIsNotUsed) {
    Type(rEdit(), ".5");
    Type(nEdit(), "20");
    window->DoIt(0.5, 7);
    EXPECT_EQ(P(), ".02477");
}

TEST_F(Input, TheCharacterLimitHoldsForTypingOnly) {
    Type(nEdit(), "12345");
    EXPECT_EQ(nEdit()->text(), "1234");
    Type(rEdit(), ".12345");
    EXPECT_EQ(rEdit()->text(), ".123");
}

}  // namespace

namespace {

TEST_F(Input, AFirstActivationAfterInputKeepsTheStoredR) {
    // The mouse wheel can turn a slider of a window that was never active.
    ASSERT_FALSE(fw::GetImplicitWindow("AboutWnd.AboutWnd")) << "the window was active already";
    rSlider()->setValue(50);
    Type(nEdit(), "20");
    QApplication::setActiveWindow(window->TopLevel());
    QCoreApplication::processEvents();
    // The activation hid the splash window, making one first.
    ASSERT_TRUE(fw::GetImplicitWindow("AboutWnd.AboutWnd"));
    QTest::keyClick(nSlider(), Qt::Key_Right);  // N 5
    EXPECT_DOUBLE_EQ(window->r, 0.5);
    EXPECT_EQ(P(), ".39100");
}

}  // namespace

namespace {

// The r field's mask ".###" and limit of four characters hold for every edit
// by the user, also after the program wrote ".99999" (six characters) into
// it: from there an edit is taken when its result keeps to the rule or when
// it only takes characters out. Each refused key, paste, drop or commit
// leaves the field as it was and beeps once.
TEST_F(Input, EveryEditOfTheUserKeepsToTheRFieldsRuleAlsoAfterTheClamp) {
    struct Case {
        const char* before;  // typed into the empty field: "1" is clamped to ".99999"
        std::vector<UserEdit> edits;
        const char* after;
        double r;
        int beeps;  // for the edits
    };
    const UserEdit end = Pressed(Qt::Key_End), home = Pressed(Qt::Key_Home);
    const UserEdit all = Pressed(Qt::Key_A, Qt::ControlModifier);
    const UserEdit shiftLeft = Pressed(Qt::Key_Left, Qt::ShiftModifier);
    const Case cases[] = {
        {"1", {}, ".99999", 0.99999, 0},
        {"1", {end, Typed(".2345678")}, ".99999", 0.99999, 8},
        {"1", {end, Typed("5")}, ".99999", 0.99999, 1},
        {"1", {all, Pasted("abc")}, ".99999", 0.99999, 1},
        {"1", {all, Pasted("x")}, ".99999", 0.99999, 1},
        {"1", {all, Pasted("€")}, ".99999", 0.99999, 1},
        {"1", {all, Pasted(".5 .5")}, ".99999", 0.99999, 1},
        {"1", {all, Pasted("..")}, ".99999", 0.99999, 1},
        {"1", {all, Pasted("....")}, ".99999", 0.99999, 1},
        {"1", {all, Pasted("0.123456789")}, ".99999", 0.99999, 1},
        {"1", {end, Committed("zz")}, ".99999", 0.99999, 1},
        {"1", {Dropped("77")}, ".99999", 0.99999, 1},
        // A digit replaced keeps the text as long as it was: still too long.
        {"1", {end, shiftLeft, Typed("8")}, ".99999", 0.99999, 1},
        {"1", {home, Pressed(Qt::Key_Right), shiftLeft, Typed("1")}, ".99999", 0.99999, 1},
        // Shortened or corrected.
        {"1", {end, Pressed(Qt::Key_Backspace)}, ".9999", 0.9999, 0},
        {"1", {home, Pressed(Qt::Key_Delete)}, ".99999", 0.99999, 0},  // 99999, held again
        {"1",
         {end, shiftLeft, shiftLeft, Pressed(Qt::Key_X, Qt::ControlModifier)},
         ".999",
         0.999,
         0},
        {"1", {all, Typed(".")}, ".", 0, 0},
        {"1", {all, Pasted(".25")}, ".25", 0.25, 0},
        {"1", {end, shiftLeft, shiftLeft, shiftLeft, Typed("8")}, ".998", 0.998, 0},
        // Undo brings back no text that breaks the rule.
        {"1",
         {end, Pressed(Qt::Key_Backspace), Pressed(Qt::Key_Z, Qt::ControlModifier)},
         ".9999",
         0.9999,
         1},
        // The same edits from a text that keeps to the rule.
        {".5", {all, Pasted("abc")}, ".5", 0.5, 1},
        {".5", {all, Pasted("0.123456789")}, ".5", 0.5, 1},
        {".5", {all, MenuPasted("abc")}, ".5", 0.5, 1},
        {".5", {end, MenuPasted("25")}, ".525", 0.525, 0},
        {".5", {end, Typed(".")}, ".5", 0.5, 1},
        {".5", {end, Pressed(Qt::Key_Period, Qt::KeypadModifier)}, ".5", 0.5, 1},
        {".5", {end, Pressed(Qt::Key_Period, Qt::AltModifier)}, ".5", 0.5, 1},
        {".5", {end, Committed("zz")}, ".5", 0.5, 1},
        {".5", {end, Committed("é")}, ".5", 0.5, 1},
        {".5", {end, Committed("7")}, ".57", 0.57, 0},
        {".5", {Dropped("x")}, ".5", 0.5, 1},
        {".5", {Dropped("2")}, ".52", 0.52, 0},
        {".5", {end, Typed("123")}, ".512", 0.512, 1},
        {".5", {end, Pressed(Qt::Key_5, Qt::AltModifier)}, ".55", 0.55, 0},
        // A fifth character.
        {".555", {end, Typed("5")}, ".555", 0.555, 1},
        // One decimal point at most.
        {"", {Typed("..5")}, ".5", 0.5, 1},
        {"", {Typed("....")}, ".", 0, 3},
        {"", {Typed(".5.5")}, ".55", 0.55, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("from \"") + c.before + "\" to \"" + c.after + "\"");
        window->rEdit()->SetText("");
        rEdit()->setFocus();
        Type(rEdit(), c.before);
        const auto beeps = fw::BeepCount();
        for (const UserEdit& e : c.edits) {
            Apply(rEdit(), e);
        }
        EXPECT_EQ(rEdit()->text().toStdString(), c.after);
        EXPECT_DOUBLE_EQ(window->r, c.r);
        EXPECT_EQ(fw::BeepCount() - beeps, c.beeps);
    }
}

// Leaving the r field is no edit, whatever it holds: a text of the
// program's beyond the field's rule (".99999" after the clamp, ".9999"
// shortened from it) or one within it. No road out of the field beeps.
TEST_F(Input, LeavingTheRFieldBeepsForNothing) {
    QWidget* top = window->TopLevel();
    QWidget other;  // as another program's window
    struct Road {
        const char* what;
        std::function<void()> leave;
    };
    const Road roads[] = {
        {"Tab", [&] { QTest::keyClick(rEdit(), Qt::Key_Tab); }},
        {"a click on the N field", [&] { QTest::mouseClick(nEdit(), Qt::LeftButton); }},
        {"a click on the r slider",
         [&] { QTest::mouseClick(rSlider(), Qt::LeftButton, {}, QPoint(5, 7)); }},
        {"\"?\", which opens the information window",
         [&] {
             QTest::mouseClick(window->Qbtn()->Button(), Qt::LeftButton);
             EXPECT_TRUE(
                 QTest::qWaitFor([top] { return QApplication::activeWindow() != top; }, 2000));
         }},
        {"another program's window activated",
         [&] {
             other.show();
             other.activateWindow();
             EXPECT_TRUE(QTest::qWaitFor([&] { return other.isActiveWindow(); }, 2000));
         }},
    };
    const struct {
        const char* typed;
        std::vector<UserEdit> edits;
        const char* shown;
    } texts[] = {
        {"5", {}, ".99999"},
        {"5", {Pressed(Qt::Key_End), Pressed(Qt::Key_Backspace)}, ".9999"},
        {".999", {}, ".999"},
        {".5", {}, ".5"},
    };
    for (const auto& text : texts) {
        for (const Road& road : roads) {
            SCOPED_TRACE(std::string(text.shown) + ", left by " + road.what);
            window->rEdit()->SetText("");
            other.hide();
            top->activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([top] { return QApplication::activeWindow() == top; }));
            rEdit()->setFocus();
            ASSERT_TRUE(rEdit()->hasFocus());
            Type(rEdit(), text.typed);
            for (const UserEdit& e : text.edits) {
                Apply(rEdit(), e);
            }
            ASSERT_EQ(rEdit()->text().toStdString(), text.shown);
            const auto beeps = fw::BeepCount();
            road.leave();
            QCoreApplication::processEvents();
            EXPECT_FALSE(rEdit()->hasFocus()) << "the field was not left";
            EXPECT_EQ(fw::BeepCount(), beeps);
        }
    }
}

// The N field's digits-only mask and its limit of four: what a key, a paste,
// a drop or a composed letter cannot put in leaves the field as it was, with
// one beep.
TEST_F(Input, TheNFieldRefusesWhatItCannotTakeWithOneBeep) {
    struct Case {
        const char* before;
        UserEdit edit;
        const char* after;
        int beeps;
    };
    // Every text in the table reads as an N in range, which beeps for
    // nothing else.
    const Case cases[] = {
        {"1000", Typed("5"), "1000", 1},  {"10", Typed("5"), "105", 0},
        {"10", Committed("é"), "10", 1},  {"10", Committed("ü"), "10", 1},
        {"10", Committed("7"), "107", 0}, {"", Pasted("12345"), "", 1},
        {"", Pasted("20"), "20", 0},      {"12", Dropped("4x"), "12", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("from \"") + c.before + "\" to \"" + c.after + "\"");
        window->nEdit()->SetText(c.before);
        nEdit()->setFocus();
        nEdit()->end(false);
        const auto beeps = fw::BeepCount();
        Apply(nEdit(), c.edit);
        EXPECT_EQ(nEdit()->text().toStdString(), c.after);
        EXPECT_EQ(fw::BeepCount() - beeps, c.beeps);
    }
}

// Keys typed with Alt, AltGr or Meta reach the key filter like any other.
TEST_F(Input, KeysWithAltAltGrOrMetaPassTheKeyFilter) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        const char* after;
        int beeps;
    };
    const Case cases[] = {
        {Qt::Key_5, Qt::AltModifier, "5", ".5", 0},
        {Qt::Key_5, Qt::MetaModifier, "5", ".5", 0},
        {Qt::Key_A, Qt::AltModifier, "a", ".", 1},
        {Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, "€", ".", 1},
        {Qt::Key_E, Qt::GroupSwitchModifier, "€", ".", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        window->rEdit()->SetText(".");
        const auto beeps = fw::BeepCount();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf8(c.text));
        QApplication::sendEvent(rEdit(), &press);
        EXPECT_EQ(rEdit()->text().toStdString(), c.after);
        EXPECT_EQ(fw::BeepCount() - beeps, c.beeps);
    }
}

}  // namespace
