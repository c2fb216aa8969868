#include "framework/set_properties.h"

#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/canvas.h"
#include "framework/exceptions.h"
#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/rectangle.h"
#include "framework/runtime.h"
#include "framework/slider.h"
#include "framework/text_field.h"
#include "framework/window.h"
#include "simulator/control_wnd_streams.h"
#include "simulator/layout_streams.h"
#include "simulator/property_stream_writer.h"
#include "tests/support/control_wnd_places.h"

namespace {

using namespace std::string_literals;

const QColor kDarkRed(0x80, 0x00, 0x00);
const QColor kOrange(0xFF, 0x80, 0x00);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);

// Whether `number` stands in `text` as a whole number, not as part of another.
bool HoldsNumber(const std::string& text, const std::string& number) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t at = text.find(number); at != std::string::npos;
         at = text.find(number, at + 1)) {
        const std::size_t end = at + number.size();
        if ((at == 0 || !digit(text[at - 1])) && (end == text.size() || !digit(text[end]))) {
            return true;
        }
    }
    return false;
}

// The failure names the key and the byte offset where its entry begins.
void ExpectNamesKeyAndOffset(const fw::RuntimeException& e, const std::string& key,
                             std::size_t offset) {
    const std::string message = e.Message();
    EXPECT_NE(message.find("\"" + key + "\""), std::string::npos) << message;
    EXPECT_TRUE(HoldsNumber(message, std::to_string(offset)))
        << message << " (offset " << offset << ")";
}

// The simulator's window, built from its own window stream, that the tests put
// controls on the way its construction does: made, added under its name, then
// given its stream.
class SetPropertiesTest : public testing::Test {
  protected:
    void SetUp() override {
        window = fw::RuntimeNewObject<fw::Window>();
        fw::SetProperties(window, ControlWndWindowStream());
        window->Constructor();
    }
    void TearDown() override {
        window->Close();
        window.reset();
        fw::ClearQuitRequest();
        QTest::qWait(0);
    }

    template <class T>
    std::shared_ptr<T> Place(const std::string& name, const std::string& stream) {
        auto control = window->New<T>();
        control->Constructor();
        window->AddControl(name, control);
        fw::SetProperties(control, stream);
        return control;
    }

    template <class T>
    std::shared_ptr<T> Get(const char* name) const {
        auto control = std::dynamic_pointer_cast<T>(window->ControlByName(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // Where a control's widget stands, in window coordinates.
    QRect WindowRect(const fw::RectControl& control) const {
        QWidget* widget = control.Widget();
        return {widget->mapTo(window->Content(), QPoint(0, 0)), widget->size()};
    }

    std::shared_ptr<fw::Window> window;
};

// Every control of the simulator, made in its creation order, each from its own
// stream (the canvas inside its frame, the six read-out labels inside theirs).
TEST_F(SetPropertiesTest, TheSimulatorsControlsShowTheirLayoutOnTheirWidgets) {
    for (const std::string& name : ControlWndControlNames()) {
        const std::string& stream = ControlWndControlStream(name);
        if (name == "rEdit" || name == "nEdit" || name == "zFld") {
            Place<fw::TextField>(name, stream);
        } else if (name.starts_with("Rectangle")) {
            Place<fw::Rectangle>(name, stream);
        } else if (name == "Canvas3") {
            Place<fw::Canvas>(name, stream);
        } else if (name.ends_with("Slider")) {
            Place<fw::Slider>(name, stream);
        } else if (name == "Qbtn") {
            Place<fw::PushButton>(name, stream);
        } else {
            Place<fw::Label>(name, stream);
        }
    }
    auto control = [&](const char* name) { return Get<fw::RectControl>(name); };

    for (const ControlWndPlace& c : kControlWndPlaces) {
        EXPECT_EQ(WindowRect(*control(c.name)), QRect(c.left, c.top, c.width, c.height)) << c.name;
    }

    const QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QLabel* title = Get<fw::Label>("StaticText4")->Shown();
    EXPECT_EQ(title->text(), "Nerq");
    EXPECT_EQ(title->font().family(), system.family());
    EXPECT_EQ(title->font().pixelSize(), 48);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->palette().color(QPalette::WindowText), kDarkRed);
    EXPECT_TRUE(title->alignment() & Qt::AlignHCenter);
    QLabel* hint = Get<fw::Label>("nText")->Shown();
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), kOrange);
    EXPECT_EQ(hint->font().pixelSize(), 11);
    EXPECT_FALSE(hint->font().bold());
    // The range hint waits hidden; the labels around it show.
    EXPECT_TRUE(hint->isHidden());
    EXPECT_FALSE(hint->isVisible());
    EXPECT_TRUE(control("StaticText3")->Widget()->isVisible());
    EXPECT_TRUE(control("tText")->Widget()->isVisible());

    QLineEdit* r = Get<fw::TextField>("rEdit")->Edit();
    EXPECT_EQ(r->font().family(), system.family());
    EXPECT_EQ(r->font().pixelSize(), 12);
    EXPECT_FALSE(r->font().bold());
    EXPECT_EQ(r->palette().color(QPalette::Text), kBlack);
    EXPECT_EQ(r->palette().color(QPalette::Base), kWhite);
    EXPECT_TRUE(r->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(r->isEnabled());
    EXPECT_FALSE(r->isReadOnly());
    EXPECT_EQ(r->text(), "");
    QLineEdit* z = Get<fw::TextField>("zFld")->Edit();
    EXPECT_TRUE(z->isReadOnly());
    EXPECT_FALSE(z->isEnabled());

    QSlider* rSlider = Get<fw::Slider>("rSlider")->Bar();
    EXPECT_EQ(rSlider->minimum(), 0);
    EXPECT_EQ(rSlider->maximum(), 99);
    EXPECT_EQ(rSlider->value(), 0);
    QSlider* nSlider = Get<fw::Slider>("nSlider")->Bar();
    EXPECT_EQ(nSlider->minimum(), 4);
    EXPECT_EQ(nSlider->maximum(), 1000);
    EXPECT_EQ(nSlider->value(), 4);

    QPushButton* button = Get<fw::PushButton>("Qbtn")->Button();
    EXPECT_EQ(button->text(), "?");
    EXPECT_EQ(button->font().pixelSize(), 16);
    EXPECT_TRUE(button->font().bold());
    EXPECT_TRUE(button->isDefault());

    // The dark red frame behind the picture, drawn with its white border.
    const QImage frame = control("Rectangle2")->Widget()->grab().toImage();
    EXPECT_EQ(frame.pixelColor(50, 40), kDarkRed);
    EXPECT_EQ(frame.pixelColor(0, 0), kWhite);
    EXPECT_EQ(frame.pixelColor(99, 79), kWhite);

    EXPECT_EQ(control("Canvas3")->StoredProperty("Transparent"), fw::PropertyValue(true));
}

TEST_F(SetPropertiesTest, TheWindowStreamGivesTitleFixedSizeAndButtons) {
    auto* main = qobject_cast<QMainWindow*>(window->TopLevel());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle(), "Nerq");
    EXPECT_TRUE(main->isVisible());
    QWidget* content = window->Content();
    EXPECT_EQ(content->size(), QSize(500, 425));
    EXPECT_EQ(content->minimumSize(), QSize(500, 425));
    EXPECT_EQ(content->maximumSize(), QSize(500, 425));
    const Qt::WindowFlags flags = main->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(content->autoFillBackground());
    EXPECT_EQ(content->palette().color(QPalette::Window), kWhite);
}

// The colour bytes in stored order, written out by hand: byte 0 red, 1 green,
// 2 blue, a fourth byte 00 opaque.
TEST_F(SetPropertiesTest, ColourBytesAreRedGreenBlueInStoredOrder) {
    struct ColourCase {
        std::string bytes;
        QColor shown;
    };
    const ColourCase cases[] = {
        {"\x80\x00\x00\x00"s, kDarkRed},
        {"\xFF\x80\x00\x00"s, kOrange},
        {"\x00\x00\xFF\x00"s, QColor(0, 0, 0xFF)},
        {"\x66\x66\x66\x00"s, QColor(0x66, 0x66, 0x66)},
    };
    auto label =
        Place<fw::Label>("Colour", Stream(LabelLayout{.Head = {.Name = "Colour"}, .Value = "x"}));
    auto field = Place<fw::TextField>("Field", Stream(TextFieldLayout{.Head = {.Name = "Field"}}));
    for (const ColourCase& c : cases) {
        fw::SetProperties(label, "TextColor " + c.bytes);
        fw::SetProperties(field, "TextColor " + c.bytes + "BackgroundColor " + c.bytes);
        EXPECT_EQ(label->Shown()->palette().color(QPalette::WindowText), c.shown);
        EXPECT_EQ(label->Shown()->palette().color(QPalette::WindowText).alpha(), 255);
        EXPECT_EQ(field->Edit()->palette().color(QPalette::Text), c.shown);
        EXPECT_EQ(field->Edit()->palette().color(QPalette::Base), c.shown);
    }
}

TEST_F(SetPropertiesTest, FontSizeAndBoldReachALabelAndAField) {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    auto label = Place<fw::Label>(
        "Big",
        Stream(LabelLayout{
            .Head = {.Name = "Big", .Width = 300, .Height = 40}, .Value = "Big", .FontSize = 30}));
    EXPECT_EQ(label->Shown()->font().pixelSize(), 30);
    EXPECT_FALSE(label->Shown()->font().bold());
    EXPECT_EQ(label->Shown()->font().family(), system.family());
    auto field = Place<fw::TextField>(
        "Bold",
        Stream(TextFieldLayout{
            .Head = {.Name = "Bold", .Width = 200, .Height = 30}, .FontSize = 20, .Bold = true}));
    EXPECT_EQ(field->Edit()->font().pixelSize(), 20);
    EXPECT_TRUE(field->Edit()->font().bold());
    EXPECT_EQ(field->Edit()->font().family(), system.family());
}

// The position may come before the range that admits it, as the layouts store
// Value before MinimumValue and MaximumValue.
TEST_F(SetPropertiesTest, ASlidersValueSurvivesTheRangeThatFollowsIt) {
    struct SliderCase {
        std::int64_t value, minimum, maximum, shown;
    };
    const SliderCase cases[] = {
        {4, 4, 1000, 4},                               // the N slider
        {0, 0, 99, 0},                                 // the r slider
        {500, 4, 1000, 500},                           // beyond the range a new slider starts with
        {1000, 4, 1000, 1000}, {2000, 4, 1000, 1000},  // beyond its own range: held at the end
        {-3, 0, 99, 0},
    };
    int n = 0;
    for (const SliderCase& c : cases) {
        const std::string name = "Slider" + std::to_string(n++);
        auto slider = Place<fw::Slider>(
            name, Stream(SliderLayout{.Head = {.Name = name, .Width = 200, .Height = 15},
                                      .Value = c.value,
                                      .MinimumValue = c.minimum,
                                      .MaximumValue = c.maximum}));
        SCOPED_TRACE(c.value);
        EXPECT_EQ(slider->Bar()->minimum(), c.minimum);
        EXPECT_EQ(slider->Bar()->maximum(), c.maximum);
        EXPECT_EQ(slider->Bar()->value(), c.shown);
        EXPECT_EQ(slider->Value(), c.shown);
    }
}

TEST_F(SetPropertiesTest, KeysAreFoundLetterCaseAside) {
    auto label = Place<fw::Label>(
        "Wrapped",
        Stream(LabelLayout{.Head = {.Name = "Wrapped"}, .Multiline = true, .Value = "a b"}));
    EXPECT_TRUE(label->Shown()->wordWrap());
    fw::SetProperties(label, PropertyStreamWriter().Boolean("MULTILINE", false).Bytes());
    EXPECT_FALSE(label->Shown()->wordWrap());

    auto other = fw::RuntimeNewObject<fw::Window>();
    fw::SetProperties(
        other,
        Stream(WindowLayout{.Width = 200, .Height = 100, .MacProcID = 1234, .Visible = false}));
    EXPECT_EQ(other->StoredProperty("MacProcId"), fw::PropertyValue(std::int64_t{1234}));
}

// A key that a stream holds twice is set twice, in stored order.
TEST_F(SetPropertiesTest, ADoubledKeyIsAppliedTwice) {
    auto field = Place<fw::TextField>("Field", Stream(TextFieldLayout{.Head = {.Name = "Field"}}));
    std::vector<std::string> seen;
    fw::RuntimeAddEventHandler(
        field, fw::TextField::TextChange,
        fw::RuntimeCreateDelegate(
            std::function<void(std::shared_ptr<fw::TextField>)>(
                [&seen](std::shared_ptr<fw::TextField> f) { seen.push_back(f->Text()); }),
            "( TextField )"));
    fw::SetProperties(
        field, PropertyStreamWriter().String("Value", "first").String("Value", "second").Bytes());
    EXPECT_EQ(seen, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(field->Text(), "second");

    auto canvas = Place<fw::Canvas>(
        "Canvas",
        PropertyStreamWriter().Boolean("Transparent", false).Boolean("Transparent", true).Bytes());
    EXPECT_EQ(canvas->StoredProperty("Transparent"), fw::PropertyValue(true));
}

// A stream that breaks the format is refused whole: the label keeps its place,
// text and visibility although the entries before the fault are well formed.
TEST_F(SetPropertiesTest, AMalformedStreamIsRefusedWholeNamingKeyAndOffset) {
    auto label = Place<fw::Label>(
        "Target", Stream(LabelLayout{
                      .Head = {.Name = "Target", .Left = 10, .Top = 20, .Width = 80, .Height = 20},
                      .Value = "before"}));
    const std::string good = PropertyStreamWriter()
                                 .Integer("Left", 300)
                                 .String("Value", "after")
                                 .Boolean("Visible", false)
                                 .Bytes();
    struct Malformed {
        const char* what;
        std::string tail;
        std::string key;
    };
    const Malformed cases[] = {
        {"a key of another class", PropertyStreamWriter().Boolean("ReadOnly", true).Bytes(),
         "ReadOnly"},
        {"a key of no class", PropertyStreamWriter().Boolean("Sparkle", true).Bytes(), "Sparkle"},
        {"an Integer cut short", "Top \x01\x00\x00"s, "Top"},
        {"a String count cut short", "Value \x05\x00"s, "Value"},
        {"a String count past the end",
         "Value \x10\x00\x00\x00"
         "abc"s,
         "Value"},
        {"a key without space at the end", "Visible", "Visible"},
        {"a Boolean byte 2", "Visible \x02"s, "Visible"},
        {"a Boolean byte 2 before good entries",
         "Enabled \x02"s + PropertyStreamWriter().Integer("Top", 99).Bytes(), "Enabled"},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            fw::SetProperties(label, good + c.tail);
            ADD_FAILURE() << "accepted";
        } catch (const fw::RuntimeException& e) {
            ExpectNamesKeyAndOffset(e, c.key, good.size());
        }
        EXPECT_EQ(WindowRect(*label), QRect(10, 20, 80, 20));
        EXPECT_EQ(label->Caption(), "before");
        EXPECT_TRUE(label->Widget()->isVisible());
    }
    EXPECT_THROW(fw::SetProperties(nullptr, good), fw::NilObjectException);
}

// The stream is well formed but the window holds no control of the parent's
// name: the entries before it stand, the parent stays unset, and the failure
// names the key and where its entry begins.
TEST_F(SetPropertiesTest, APropertyThatRefusesItsValueEndsTheCallNamingKeyAndOffset) {
    const std::string stream = Stream(
        LabelLayout{.Head = {.Name = "Orphan", .Left = 33, .Top = 44, .Width = 50, .Height = 20},
                    .InitialParent = "NoSuchFrame"});
    auto label = window->New<fw::Label>();
    label->Constructor();
    window->AddControl("Orphan", label);
    try {
        fw::SetProperties(label, stream);
        ADD_FAILURE() << "accepted";
    } catch (const fw::RuntimeException& e) {
        ExpectNamesKeyAndOffset(e, "InitialParent", stream.rfind("InitialParent "));
    }
    EXPECT_EQ(WindowRect(*label), QRect(33, 44, 50, 20));
    EXPECT_EQ(label->InitialParent(), "");
}

TEST(SetPropertiesOnAControlNotYetMade, IsRefusedRatherThanTouchingAMissingWidget) {
    const auto label = fw::RuntimeNewObject<fw::Label>();  // Constructor not run
    EXPECT_THROW(fw::SetProperties(label, ControlWndControlStream("StaticText2")),
                 fw::RuntimeException);
}

}  // namespace
