#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/chart_small.h"
#include "app/menu_accessor.h"
#include "framework/beep.h"
#include "framework/label.h"
#include "framework/picture.h"
#include "framework/push_button.h"
#include "framework/runtime.h"
#include "framework/trace.h"
#include "framework/window.h"
#include "simulator/control_wnd.h"
#include "simulator/control_wnd_accessor.h"
#include "tests/support/control_wnd_places.h"
#include "tests/support/simulator_fixture.h"

namespace {

bool IsControlClass(const std::string& name) {
    return std::any_of(std::begin(kControlWndPlaces), std::end(kControlWndPlaces),
                       [&](const ControlWndPlace& c) { return name == c.className; });
}

struct LabelStyle {
    const char* name;
    int pixelSize;
    bool bold;
};
constexpr LabelStyle kLabels[] = {
    {"StaticText4", 48, true}, {"StaticText9", 9, false}, {"StaticText2", 12, true},
    {"StaticText3", 12, true}, {"nText", 11, false},      {"StaticText8", 12, true},
    {"StaticText5", 12, true}, {"StaticText1", 12, true}, {"pText", 12, false},
    {"StaticText7", 12, true}, {"ciText", 12, false},     {"tText", 12, false},
};

QRect PlaceOf(fw::Window& window, const std::string& name) {
    return dynamic_cast<fw::RectControl&>(fw::Deref(window.ControlByName(name)))
        .Widget()
        ->geometry();
}

std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines,
                                           const std::string& head) {
    std::vector<std::string> found;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.rfind(head, 0) == 0; });
    return found;
}

std::shared_ptr<fw::Window> OpenWindowOf(const char* className) {
    return fw::GetImplicitWindow(className);
}

// The accessor builds its own windows, so nothing is built beforehand.
class Accessor : public testing::Test {
  protected:
    void SetUp() override {
        CloseEveryWindow();
        fw::SetRuntimeTrace([this](const std::string& line) { trace.push_back(line); });
    }
    void TearDown() override {
        fw::SetRuntimeTrace({});
        CloseEveryWindow();
    }
    std::size_t Builds() const {
        return LinesStartingWith(trace, "Window.Constructor ControlWnd.ControlWnd").size();
    }
    std::vector<std::string> trace;
};

TEST_F(Accessor, BuildsOneWindowAndReturnsItWhileOpenShownOrHidden) {
    ASSERT_EQ(OpenWindowOf("ControlWnd.ControlWnd"), nullptr);
    const auto first = ControlWnd::ControlWnd();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Builds(), 1u);
    // It shows itself; the accessor calls no Show.
    EXPECT_TRUE(first->Visible());
    EXPECT_TRUE(first->TopLevel()->isVisible());
    EXPECT_EQ(first->Controls().size(), std::size(kControlWndPlaces));

    EXPECT_EQ(ControlWnd::ControlWnd(), first);
    first->Hide();
    EXPECT_EQ(ControlWnd::ControlWnd(), first);
    EXPECT_FALSE(first->TopLevel()->isVisible()) << "the accessor shows nothing";
    EXPECT_EQ(Builds(), 1u);
    const auto open = fw::OpenWindows();
    EXPECT_EQ(
        std::count_if(open.begin(), open.end(),
                      [](const auto& w) { return w->Record().Name() == "ControlWnd.ControlWnd"; }),
        1);
}

TEST_F(Accessor, AfterClosingTheNextCallBuildsAFreshWindow) {
    const auto first = ControlWnd::ControlWnd();
    QTest::keyClicks(first->rEdit()->Edit(), ".5");
    ASSERT_DOUBLE_EQ(first->r, 0.5);
    first->TopLevel()->close();
    EXPECT_EQ(fw::QuitRequest(), 0);
    fw::ClearQuitRequest();
    QTest::qWait(0);

    const auto second = ControlWnd::ControlWnd();
    EXPECT_NE(second, first);
    EXPECT_EQ(Builds(), 2u);
    EXPECT_EQ(second->rEdit()->Text(), "");
    EXPECT_EQ(second->r, 0);
    EXPECT_TRUE(second->TopLevel()->isVisible());
}

TEST_F(Accessor, StoredValuesAreZeroUntilTheFirstActivation) {
    // Built as the accessor builds, and looked at before any event runs.
    const auto window = fw::RuntimeNewObject<class ControlWnd::ControlWnd>();
    window->Constructor();
    EXPECT_EQ(window->r, 0);
    EXPECT_EQ(window->N, 0);
    EXPECT_EQ(window->t, 0);
    EXPECT_EQ(window->p, 0);
    EXPECT_EQ(window->z, 0);
    EXPECT_EQ(ControlWnd::ControlWnd(), window);

    // The activation that follows is what sets N; nothing is computed.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->N == 4; }));
    EXPECT_EQ(window->tText()->Caption(), "");
}

using Window = SimulatorTest;

TEST_F(Window, OpensWithEmptyFieldsAndNothingComputed) {
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "as built" : "after the first activation");
        if (pass == 1) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return window->N == 4; }));
        }
        EXPECT_EQ(rEdit()->text(), "");
        EXPECT_EQ(nEdit()->text(), "");
        EXPECT_EQ(Z(), "");
        EXPECT_EQ(T(), "");
        EXPECT_EQ(P(), "");
        EXPECT_EQ(CI(), "");
        EXPECT_FALSE(window->nText()->Visible());
        EXPECT_FALSE(window->nText()->Widget()->isVisible());
        EXPECT_EQ(rSlider()->value(), 0);
        EXPECT_EQ(nSlider()->value(), 4);
        EXPECT_EQ(window->doIts, 0);
        EXPECT_EQ(fw::BeepCount(), beepsBeforeBuild);
    }
}

TEST_F(Window, ImplementsExactlyItsSixWindowEvents) {
    struct Case {
        const char* event;
        bool implemented;
    };
    const Case cases[] = {
        {"Activate", true},       {"AddMenuHandlers", true}, {"Close", true},
        {"CreateControls", true}, {"EnableMenuItems", true}, {"Layout", true},
        {"Open", false},          {"Paint", false},          {"Deactivate", false},
        {"KeyDown", false},       {"MouseDown", false},      {"Resized", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(window->IsEventImplemented(c.event), c.implemented) << c.event;
    }
}

// The seven hooks, in the order they are made.
struct Hook {
    const char* control;
    int index;
    const char* signature;
};
constexpr Hook kHooks[] = {
    {"rEdit", 21, "( TextField )"},
    {"rEdit", 9, "( TextField, String ) as Boolean"},
    {"nEdit", 21, "( TextField )"},
    {"nEdit", 9, "( TextField, String ) as Boolean"},
    {"rSlider", 20, "( Slider )"},
    {"nSlider", 20, "( Slider )"},
    {"Qbtn", 18, "( PushButton, Integer, Integer ) as Boolean"},
};

TEST_F(Window, MakesTheSevenHooksEachRightAfterItsOwnControl) {
    std::vector<std::string> expected;
    for (const Hook& hook : kHooks) {
        expected.push_back(std::string("AddEventHandler ") + hook.control + " " +
                           std::to_string(hook.index) + " " + hook.signature);
    }
    EXPECT_EQ(LinesStartingWith(buildTrace, "AddEventHandler "), expected);

    // Walk the build: each control's "New" line, then its hooks, before the
    // next control is made.
    std::size_t made = 0;
    for (const std::string& line : buildTrace) {
        if (line.rfind("New ", 0) == 0 && IsControlClass(line.substr(4))) {
            ASSERT_LT(made, std::size(kControlWndPlaces));
            EXPECT_EQ(line.substr(4), kControlWndPlaces[made].className)
                << kControlWndPlaces[made].name;
            ++made;
        } else if (line.rfind("AddEventHandler ", 0) == 0) {
            ASSERT_GT(made, 0u) << line;
            const std::string control = line.substr(16, line.find(' ', 16) - 16);
            EXPECT_EQ(control, kControlWndPlaces[made - 1].name) << line;
        }
    }
    EXPECT_EQ(made, std::size(kControlWndPlaces));

    // The controls are on the window under their names, as their classes.
    ASSERT_EQ(window->Controls().size(), std::size(kControlWndPlaces));
    for (std::size_t i = 0; i < std::size(kControlWndPlaces); ++i) {
        EXPECT_EQ(window->Controls()[i]->Name(), kControlWndPlaces[i].name);
        EXPECT_EQ(window->Controls()[i]->Record().Name(), kControlWndPlaces[i].className);
    }
}

TEST_F(Window, EachHookReachesItsHandler) {
    auto beeps = fw::BeepCount();
    auto newBeeps = [&] {
        const auto now = fw::BeepCount();
        return now - std::exchange(beeps, now);
    };
    {
        SCOPED_TRACE("rEdit TextChange: r read, DoIt run, Fisher's z shown");
        Type(rEdit(), ".");
        EXPECT_EQ(window->doIts, 1);
        EXPECT_EQ(Z(), "0.000");
        EXPECT_EQ(newBeeps(), 0);
    }
    {
        SCOPED_TRACE("rEdit KeyDown: a letter refused with a beep");
        QTest::keyClick(rEdit(), 'a');
        EXPECT_EQ(rEdit()->text(), ".");
        EXPECT_EQ(newBeeps(), 1);
    }
    {
        SCOPED_TRACE("nEdit TextChange: an N below 4 beeps and shows the hint");
        Type(nEdit(), "2");
        EXPECT_EQ(window->N, 2);
        EXPECT_TRUE(window->nText()->Visible());
        EXPECT_EQ(newBeeps(), 1);
        EXPECT_EQ(window->doIts, 2);
    }
    {
        SCOPED_TRACE("nEdit KeyDown: the decimal point refused, unlike in the r field");
        QTest::keyClick(nEdit(), '.');
        EXPECT_EQ(nEdit()->text(), "2");
        EXPECT_EQ(newBeeps(), 1);
    }
    {
        SCOPED_TRACE("rSlider ValueChanged: the position written into the r field");
        QTest::keyClick(rSlider(), Qt::Key_Right);
        EXPECT_EQ(rEdit()->text(), ".010");
    }
    {
        SCOPED_TRACE("nSlider ValueChanged: the position written into the N field");
        QTest::keyClick(nSlider(), Qt::Key_Right);
        EXPECT_EQ(nEdit()->text(), "5");
        EXPECT_FALSE(window->nText()->Visible());
    }
    {
        SCOPED_TRACE("Qbtn MouseDown: the information window opens");
        ASSERT_EQ(OpenWindowOf("InfoWnd.InfoWnd"), nullptr);
        QTest::mouseClick(window->Qbtn()->Button(), Qt::LeftButton);
        const auto info = OpenWindowOf("InfoWnd.InfoWnd");
        ASSERT_NE(info, nullptr);
        EXPECT_TRUE(info->Visible());
    }
}

TEST_F(Window, IsAFixedWhiteWindowTitledNerqWithTheSharedMenuBar) {
    QWidget* top = window->TopLevel();
    QWidget* content = window->Content();
    EXPECT_EQ(window->Title(), "Nerq");
    EXPECT_EQ(top->windowTitle(), "Nerq");
    EXPECT_EQ(content->size(), QSize(500, 425));

    // The user cannot resize it: its size is pinned, and asking for another
    // changes nothing.
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    top->resize(700, 600);
    QTest::qWait(0);
    EXPECT_EQ(content->size(), QSize(500, 425));
    EXPECT_EQ(top->size(), top->minimumSize());

    const Qt::WindowFlags flags = top->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowFullscreenButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));

    EXPECT_TRUE(content->autoFillBackground());
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(255, 255, 255));

    // The program's one menu bar, shown above the content area.
    EXPECT_EQ(window->MenuBar(), Menu::AsMenuBar(Menu::Menu()));
    auto* main = qobject_cast<QMainWindow*>(top);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(main->menuWidget(), nullptr);
    QMenuBar* bar = main->menuBar();
    EXPECT_TRUE(bar->isVisible());
    QStringList menus;
    for (const QAction* action : bar->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, QStringList({"File", "Edit", "Window"}));
    EXPECT_GE(content->geometry().top(), bar->geometry().bottom());
}

TEST_F(Window, ControlsStandAtTheirStoredPlaces) {
    for (const ControlWndPlace& c : kControlWndPlaces) {
        EXPECT_EQ(PlaceOf(*window, c.name), QRect(c.left, c.top, c.width, c.height)) << c.name;
        EXPECT_EQ(
            dynamic_cast<fw::RectControl&>(*window->ControlByName(c.name)).Widget()->parentWidget(),
            window->Content())
            << c.name;
    }

    const QRect frame = PlaceOf(*window, "Rectangle2");
    const QRect canvas = PlaceOf(*window, "Canvas3");
    EXPECT_EQ(canvas, frame.adjusted(4, 4, -4, -4));

    const QRect result = PlaceOf(*window, "Rectangle3");
    EXPECT_EQ(result, QRect(QPoint(20, 353), QPoint(439, 382)));
    std::vector<std::pair<int, std::string>> fromLeft;
    for (const char* name :
         {"StaticText5", "StaticText1", "pText", "StaticText7", "ciText", "tText"}) {
        const QRect label = PlaceOf(*window, name);
        EXPECT_TRUE(result.contains(label)) << name;
        fromLeft.emplace_back(label.left(), name);
    }
    std::sort(fromLeft.begin(), fromLeft.end());
    EXPECT_EQ(fromLeft[1].second, "tText");
    EXPECT_EQ(fromLeft.front().second, "StaticText5");
    EXPECT_EQ(fromLeft.back().second, "ciText");
}

// Each label in the platform's interface font at its stored size, or smaller
// where its text would not fit; no text wider than its box.
void ExpectLabelsFit(fw::Window& window) {
    const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    for (const LabelStyle& style : kLabels) {
        const QLabel* label =
            fw::RuntimeCheckCast<fw::Label>(window.ControlByName(style.name))->Shown();
        SCOPED_TRACE(std::string(style.name) + " \"" + label->text().toStdString() + "\"");
        const QFont font = label->font();
        EXPECT_EQ(font.family(), family);
        EXPECT_EQ(font.bold(), style.bold);
        EXPECT_LE(font.pixelSize(), style.pixelSize);
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(label->text()), label->width());
        if (font.pixelSize() < style.pixelSize) {
            QFont stored = font;
            stored.setPixelSize(style.pixelSize);
            EXPECT_GT(QFontMetrics(stored).horizontalAdvance(label->text()), label->width())
                << "shrunk without need";
        }
    }
}

TEST_F(Window, LabelsUseTheInterfaceFontAndFitTheirBoxes) {
    EXPECT_EQ(window->StaticText4()->Caption(), "Nerq");
    EXPECT_EQ(window->StaticText2()->Caption(), "r =");
    EXPECT_EQ(window->StaticText3()->Caption(), "N =");
    EXPECT_EQ(window->nText()->Caption(), "(4 - 1,1000)");
    EXPECT_EQ(window->StaticText8()->Caption(), "Fisher's z =");
    EXPECT_EQ(window->StaticText5()->Caption(), "t =");
    EXPECT_EQ(window->StaticText1()->Caption(), "p =");
    EXPECT_EQ(window->StaticText7()->Caption(), "95% CI of r =");
    EXPECT_EQ(window->Qbtn()->Caption(), "?");
    EXPECT_FALSE(window->StaticText9()->Caption().empty());
    ExpectLabelsFit(*window);
}

// Typed values, read-outs from the worked table.
TEST_F(Window, TypedValuesShowTheirReadOutsInTheirBoxes) {
    struct Case {
        const char *r, *n, *t, *p, *ci, *z;
    };
    const Case cases[] = {
        {".3", "10", ".89", ".39969", "-.406 to +.782", "0.310"},
        {".2", "5", ".35", ".74706", "-.828 to +.920", "0.203"},
        {".9", "4", "2.92", ".10000", "-.452 to +.998", "1.472"},
        {".5", "6", "1.15", ".31250", "-.524 to +.933", "0.549"},
        {".5", "3", ".00", ".99999", "-1.000 to NaN", "0.549"},
        {".5", "0", ".00", ".99999", "NaN to NaN", "0.549"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("r ") + c.r + ", N " + c.n);
        Clear(nEdit());
        Type(nEdit(), c.n);
        Clear(rEdit());
        Type(rEdit(), c.r);
        EXPECT_EQ(T(), c.t);
        EXPECT_EQ(P(), c.p);
        EXPECT_EQ(CI(), c.ci);
        EXPECT_EQ(Z(), c.z);
        ExpectLabelsFit(*window);
    }
}

TEST_F(Window, SlidersDrivenByKeysAndClicksShowTheWorkedReadOuts) {
    QTest::keyClick(nSlider(), Qt::Key_End);
    QTest::keyClick(rSlider(), Qt::Key_End);
    EXPECT_EQ(nEdit()->text(), "1000");
    EXPECT_EQ(rEdit()->text(), ".990");
    EXPECT_EQ(T(), "221.70");
    EXPECT_EQ(P(), ".00001");
    EXPECT_EQ(CI(), "+.989 to +.991");
    EXPECT_EQ(Z(), "2.647");

    QTest::keyClick(rSlider(), Qt::Key_Home);
    for (int step = 0; step < 50; ++step) {
        QTest::keyClick(rSlider(), Qt::Key_Right);
    }
    QTest::keyClick(nSlider(), Qt::Key_Home);
    EXPECT_EQ(nEdit()->text(), "4");
    for (int step = 0; step < 16; ++step) {
        QTest::keyClick(nSlider(), Qt::Key_Right);
    }
    EXPECT_EQ(rEdit()->text(), ".500");
    EXPECT_EQ(nEdit()->text(), "20");
    EXPECT_EQ(T(), "2.45");
    EXPECT_EQ(P(), ".02477");
    EXPECT_EQ(CI(), "+.074 to +.772");
    EXPECT_EQ(Z(), "0.549");

    for (int step = 0; step < 13; ++step) {
        QTest::keyClick(nSlider(), Qt::Key_Left);
    }
    EXPECT_EQ(nEdit()->text(), "7");
    EXPECT_EQ(T(), "1.29");
    EXPECT_EQ(P(), ".25317");
    EXPECT_EQ(CI(), "-.406 to +.910");

    // A click on the groove moves the handle one page toward the click, and a
    // page is one position; the fields follow and the statistics are computed
    // twice.
    window->doIts = 0;
    const QPoint nearRightEnd(rSlider()->width() - 3, rSlider()->height() / 2);
    QTest::mouseClick(rSlider(), Qt::LeftButton, {}, nearRightEnd);
    EXPECT_EQ(rSlider()->value(), 51);
    EXPECT_EQ(rEdit()->text(), ".510");
    EXPECT_DOUBLE_EQ(window->r, 0.51);
    EXPECT_EQ(window->doIts, 2);

    const QPoint nearLeftEnd(3, nSlider()->height() / 2);
    QTest::mouseClick(nSlider(), Qt::LeftButton, {}, nearRightEnd);
    QTest::mouseClick(nSlider(), Qt::LeftButton, {}, nearRightEnd);
    EXPECT_EQ(nEdit()->text(), "9");
    QTest::keyClick(nSlider(), Qt::Key_End);
    QTest::mouseClick(nSlider(), Qt::LeftButton, {}, nearLeftEnd);
    EXPECT_EQ(nSlider()->value(), 999);
    EXPECT_EQ(nEdit()->text(), "999");
    EXPECT_EQ(window->N, 999);
}

TEST_F(Window, ScreenshotShowsTheStoredColours) {
    Type(nEdit(), "20");
    Type(rEdit(), ".5");
    QTest::qWait(0);

    // Kept beside the test program, in the build tree, for a person to look at.
    const QDir beside(QCoreApplication::applicationDirPath());
    const QPixmap whole = window->TopLevel()->grab();
    const QImage shot = window->Content()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(500, 425));
    ASSERT_TRUE(whole.save(beside.filePath("control-wnd.png"), "PNG"));
    ASSERT_TRUE(shot.save(beside.filePath("control-wnd-content.png"), "PNG"));

    auto at = [&](int x, int y) { return shot.pixel(x, y) & 0xFFFFFF; };
    constexpr QRgb darkRed = 0x800000, grey = 0xE6E6E6, white = 0xFFFFFF;

    // The chart picture, drawn from the canvas's corner, unscaled.
    const auto chart = x_ChartSmall::ChartSmall();
    ASSERT_NE(chart, nullptr);
    const QImage picture = chart->Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(92, 72));
    for (const QPoint p : {QPoint(0, 0), QPoint(45, 35), QPoint(91, 71), QPoint(20, 60)}) {
        EXPECT_EQ(at(9 + p.x(), 9 + p.y()), picture.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
    }
    EXPECT_NE(at(55, 45), darkRed);

    // The frame's fill shows in the 4 pixels between frame and canvas.
    for (const QPoint p : {QPoint(7, 45), QPoint(102, 45), QPoint(55, 7), QPoint(55, 83)}) {
        EXPECT_EQ(at(p.x(), p.y()), darkRed) << p.x() << "," << p.y();
    }
    // The result frame: grey fill, darker top-left edge, lighter bottom-right.
    EXPECT_EQ(at(128, 368), grey);
    EXPECT_EQ(at(433, 368), grey);
    EXPECT_EQ(at(20, 368), 0x666666u);
    EXPECT_EQ(at(439, 368), 0x808080u);
    // Its labels are drawn over it: "t =" and the t read-out show.
    for (const char* name : {"StaticText5", "tText"}) {
        const QRect box = PlaceOf(*window, name);
        int inked = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                inked += at(x, y) != grey ? 1 : 0;
            }
        }
        EXPECT_GT(inked, 0) << name;
    }
    // The white background, where no control lies.
    for (const QPoint p : {QPoint(250, 150), QPoint(495, 5), QPoint(5, 420), QPoint(490, 320)}) {
        EXPECT_EQ(at(p.x(), p.y()), white) << p.x() << "," << p.y();
    }
}

TEST_F(Window, ClosingAsksTheApplicationToQuitWithZero) {
    // With the splash still open (hidden by the activation), the request is
    // the simulator's own and not the runtime's for its last window.
    ASSERT_TRUE(QTest::qWaitFor([] { return OpenWindowOf("AboutWnd.AboutWnd") != nullptr; }));
    fw::ClearQuitRequest();
    window->TopLevel()->close();
    EXPECT_EQ(fw::QuitRequest(), 0);
    EXPECT_EQ(OpenWindowOf("ControlWnd.ControlWnd"), nullptr);
    fw::ClearQuitRequest();
}

}  // namespace
