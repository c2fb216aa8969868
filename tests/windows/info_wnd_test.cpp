#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <memory>

#include "framework/push_button.h"
#include "framework/text_area.h"
#include "simulator/control_wnd.h"
#include "tests/support/user_edit.h"
#include "tests/support/window_fixture.h"
#include "tests/support/xvfb_rerun.h"
#include "windows/info_wnd.h"
#include "windows/info_wnd_streams.h"

namespace {

using InfoWindow = class InfoWnd::InfoWnd;

class Info : public WindowsTest {
  protected:
    void SetUp() override {
        WindowsTest::SetUp();
        simulator = ControlWnd::ControlWnd();
        ASSERT_TRUE(Activate(*simulator));
    }
    void TearDown() override {
        simulator.reset();
        WindowsTest::TearDown();
    }

    // "?" pressed and released as the user clicks it; the information window
    // that is open afterwards.
    std::shared_ptr<InfoWindow> PressQuestionMark() {
        QTest::mouseClick(simulator->Qbtn()->Widget(), Qt::LeftButton);
        return std::dynamic_pointer_cast<InfoWindow>(fw::GetImplicitWindow("InfoWnd.InfoWnd"));
    }

    static QPlainTextEdit* Text(const std::shared_ptr<InfoWindow>& info) {
        return info->StaticText1()->Area();
    }

    std::shared_ptr<class ControlWnd::ControlWnd> simulator;
};

int InfoWindowsOpen() {
    int count = 0;
    for (const auto& window : fw::OpenWindows()) {
        count += window->Record().Name() == "InfoWnd.InfoWnd";
    }
    return count;
}

TEST_F(Info, QuestionMarkShowsTheOneWindowAndANewOneAfterItClosed) {
    const auto first = PressQuestionMark();
    ASSERT_TRUE(Shown(first));
    EXPECT_EQ(first->Title(), "Info");
    EXPECT_EQ(first->Content()->size(), QSize(450, 360));

    ASSERT_TRUE(Activate(*simulator));
    EXPECT_EQ(PressQuestionMark(), first);
    EXPECT_EQ(InfoWindowsOpen(), 1);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return QApplication::activeWindow() == first->TopLevel(); }, 2000))
        << "the open window is brought to the front";

    first->TopLevel()->close();
    QTest::qWait(0);
    EXPECT_FALSE(first->IsOpen());
    EXPECT_EQ(InfoWindowsOpen(), 0);
    EXPECT_FALSE(fw::QuitRequest()) << "closing the information window ends nothing";
    EXPECT_TRUE(Shown(simulator));

    const auto second = PressQuestionMark();
    ASSERT_TRUE(Shown(second));
    EXPECT_NE(second, first);
    EXPECT_EQ(InfoWindowsOpen(), 1);
    EXPECT_EQ(second->Title(), "Info");
    EXPECT_EQ(Text(second)->toPlainText(),
              QString::fromStdString(InformationText()).replace("\r\n", "\n"));
    EXPECT_EQ(second->StaticText1()->Text(), InformationText());
}

// Four paragraphs, each its own block, with one empty line between each pair
// and none around them; the not-equal sign shows as one character.
TEST_F(Info, ShowsTheFourParagraphsSeparatedByThreeEmptyLines) {
    const auto info = PressQuestionMark();
    ASSERT_TRUE(info);
    EXPECT_EQ(QString::fromStdString(info->StaticText1()->Text()).size(), 915);

    const QStringList paragraphs = QString::fromStdString(InformationText()).split("\r\n\r\n");
    ASSERT_EQ(paragraphs.size(), 4);
    const QTextDocument* document = Text(info)->document();
    ASSERT_EQ(document->blockCount(), 7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const QString shown = document->findBlockByNumber(i).text();
        EXPECT_EQ(shown, i % 2 == 0 ? paragraphs[i / 2] : QString()) << shown.toStdString();
    }
    EXPECT_TRUE(paragraphs[0].contains(QString::fromUtf8(" \u2260 ")));
}

// The text can be selected and copied, but not changed by any road, with
// all of it selected or none; and Tab passes it by.
TEST_F(Info, TextIsReadOnlyAndNoTabStop) {
    const auto info = PressQuestionMark();
    ASSERT_TRUE(info);
    ASSERT_TRUE(Activate(*info));
    QPlainTextEdit* text = Text(info);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_FALSE(text->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(text->focusPolicy() & Qt::ClickFocus);
    EXPECT_FALSE(text->inputMethodQuery(Qt::ImEnabled).toBool()) << "no input method composes";

    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(QApplication::focusWidget(), text);
    const QString before = text->toPlainText();
    const UserEdit all = Pressed(Qt::Key_A, Qt::ControlModifier);
    for (const bool selected : {true, false}) {
        for (const UserEdit& road : EveryEditRoad()) {
            SCOPED_TRACE(road.text.toStdString() + (selected ? ", all selected" : ""));
            if (selected) {
                Apply(text, all);
            }
            Apply(text, road);
            EXPECT_EQ(text->toPlainText(), before);
            // Each road on its own, should one get through.
            info->StaticText1()->SetText(InformationText());
        }
    }
    EXPECT_EQ(info->StaticText1()->Text(), InformationText());
}

// On X the middle click pastes for real: the text refuses it there too.
TEST(InfoOnX, TextIsReadOnlyOnARealDisplay) {
    RerunOnXvfb({"Info.TextIsReadOnlyAndNoTabStop"});
}

// Before the Edit menu opens the information window switches Copy on, and
// nothing else; Copy then puts the selected part of the text on the
// clipboard.
TEST_F(Info, EditMenuOffersCopyWhichCopiesTheSelection) {
    const auto info = PressQuestionMark();
    ASSERT_TRUE(info);
    ASSERT_TRUE(Activate(*info));
    QPlainTextEdit* text = Text(info);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(QApplication::focusWidget(), text);

    struct Case {
        const char* what;
        std::function<void()> select;
        QString selected;  // and so what Copy leaves on the clipboard
    };
    const QString all = QString::fromStdString(InformationText()).replace("\r\n", "\n");
    const Case cases[] = {
        {"the first word",
         [&] {
             QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
             for (int i = 0; i < 4; ++i) {
                 QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
             }
         },
         "Nerq"},
        {"all of it", [&] { QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier); }, all},
        {"nothing", [&] { QTest::keyClick(text, Qt::Key_Right); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QGuiApplication::clipboard()->setText("before");
        c.select();
        ASSERT_EQ(text->textCursor().selectedText().size(), c.selected.size());

        QMenu* edit = OpenMenu(*info, "Edit");
        ASSERT_TRUE(edit);
        for (const char* off : {"Undo", "Cut", "Paste"}) {
            EXPECT_FALSE(ActionOf(edit, off)->isEnabled()) << off;
        }
        QAction* copy = ActionOf(edit, "Copy");
        ASSERT_TRUE(copy && copy->isEnabled());
        edit->hide();

        ASSERT_TRUE(Choose(*info, "Edit", "Copy"));
        EXPECT_EQ(QGuiApplication::clipboard()->text(),
                  c.selected.isEmpty() ? QString("before") : c.selected);
    }
}

// The information window registers no handler of its own: its About entry
// is served by the application's.
TEST_F(Info, AboutFromTheInformationWindowShowsTheAboutWindow) {
    const auto info = PressQuestionMark();
    ASSERT_TRUE(Activate(*info));
    const auto about = fw::GetImplicitWindow("AboutWnd.AboutWnd");
    ASSERT_TRUE(about) << "made, and hidden, when the simulator was activated";
    ASSERT_FALSE(about->TopLevel()->isVisible());

    ASSERT_TRUE(Choose(*info, "Window", "About Nerq", 1));
    EXPECT_TRUE(Shown(about));
    EXPECT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), about);
}

}  // namespace
