#include "simulator/control_wnd_streams.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/property_stream.h"
#include "tests/support/control_wnd_places.h"
#include "tests/support/layout_key_types.h"

namespace {

using fw::PropertyType;

// A stream read back, with each key's values in stream order.
struct ReadBack {
    std::vector<fw::PropertyEntry> entries;

    const fw::PropertyValue& Only(const std::string& key) const {
        const fw::PropertyValue* found = nullptr;
        for (const auto& entry : entries) {
            if (entry.key == key) {
                EXPECT_EQ(found, nullptr) << key << " stored twice";
                found = &entry.value;
            }
        }
        if (found == nullptr) {
            ADD_FAILURE() << "no " << key;
            static const fw::PropertyValue none;
            return none;
        }
        return *found;
    }
    std::int64_t Integer(const std::string& key) const { return std::get<std::int64_t>(Only(key)); }
    bool Boolean(const std::string& key) const { return std::get<bool>(Only(key)); }
    std::string String(const std::string& key) const { return std::get<std::string>(Only(key)); }
    fw::Color Color(const std::string& key) const { return std::get<fw::Color>(Only(key)); }
    float Single(const std::string& key) const { return std::get<float>(Only(key)); }
    double Double(const std::string& key) const { return std::get<double>(Only(key)); }
};

ReadBack Read(const std::string& stream, PropertyType valueType) {
    return ReadBack{fw::ReadPropertyStream(
        stream, [valueType](std::string_view key) { return layout_keys::TypeOf(key, valueType); })};
}

ReadBack ReadControl(const std::string& name) {
    const bool slider = name == "rSlider" || name == "nSlider";
    return Read(ControlWndControlStream(name),
                slider ? PropertyType::Integer : PropertyType::String);
}

constexpr fw::Color kWhite{0xFF, 0xFF, 0xFF, 0x00};
constexpr fw::Color kBlack{0x00, 0x00, 0x00, 0x00};
constexpr fw::Color kMaroon{0x80, 0x00, 0x00, 0x00};

TEST(ControlWndStreamsTest, ByteLengthsFollowTheStoredKeyOrders) {
    EXPECT_EQ(ControlWndWindowStream().size(), 371u);
    for (const std::string name : {"Rectangle1", "Rectangle2", "Rectangle3"}) {
        EXPECT_EQ(ControlWndControlStream(name).size(), 326u) << name;
    }
    EXPECT_EQ(ControlWndControlStream("rEdit").size(), 570u);
    EXPECT_EQ(ControlWndControlStream("nEdit").size(), 570u);
    for (const std::string& name : ControlWndControlNames()) {
        EXPECT_GE(ControlWndControlStream(name).size(), 326u) << name;
        EXPECT_LE(ControlWndControlStream(name).size(), 570u) << name;
    }
}

TEST(ControlWndStreamsTest, WindowStreamHoldsTheWindowLayout) {
    const ReadBack w = Read(ControlWndWindowStream(), PropertyType::String);
    ASSERT_EQ(w.entries.size(), 22u);
    const std::map<std::string, std::int64_t> integers = {
        {"Width", 500},        {"Height", 425},       {"MinimumWidth", 64},
        {"MinimumHeight", 64}, {"MaximumWidth", 500}, {"MaximumHeight", 500},
        {"Type", 0},           {"MacProcID", 0},      {"DefaultLocation", 0}};
    for (const auto& [key, value] : integers) {
        EXPECT_EQ(w.Integer(key), value) << key;
    }
    const std::map<std::string, bool> booleans = {
        {"HasCloseButton", true},     {"HasMaximizeButton", false},
        {"HasMinimizeButton", true},  {"HasFullScreenButton", false},
        {"Resizeable", false},        {"Composite", false},
        {"FullScreen", false},        {"Visible", true},
        {"HasBackgroundColor", true}, {"MenuBarVisible", true},
        {"LiveResize", false}};
    for (const auto& [key, value] : booleans) {
        EXPECT_EQ(w.Boolean(key), value) << key;
    }
    EXPECT_EQ(w.String("Title"), "Nerq");
    EXPECT_EQ(w.Color("BackgroundColor"), kWhite);
    // "Title " then the count 4 and the four letters.
    EXPECT_NE(ControlWndWindowStream().find(std::string("Title \x04\x00\x00\x00Nerq", 14)),
              std::string::npos);
}

TEST(ControlWndStreamsTest, EveryControlStandsWhereItsLayoutSays) {
    std::vector<std::string> names;
    for (const ControlWndPlace& p : kControlWndPlaces) {
        names.push_back(p.name);
    }
    ASSERT_EQ(ControlWndControlNames(), names);

    for (const ControlWndPlace& p : kControlWndPlaces) {
        SCOPED_TRACE(p.name);
        const ReadBack c = ReadControl(p.name);
        EXPECT_EQ(c.entries.front().key, "Name");
        EXPECT_EQ(c.entries.back().key, "InitialParent");
        EXPECT_EQ(c.String("Name"), p.name);
        EXPECT_EQ(c.Integer("Index"), -2147483648LL);
        EXPECT_EQ(c.Integer("Left"), p.left);
        EXPECT_EQ(c.Integer("Top"), p.top);
        EXPECT_EQ(c.Integer("Width"), p.width);
        EXPECT_EQ(c.Integer("Height"), p.height);
        EXPECT_EQ(c.Integer("TabIndex"), p.tabIndex);
        EXPECT_EQ(c.Integer("TabPanelIndex"), 0);
        EXPECT_EQ(c.String("InitialParent"), p.parent);
        EXPECT_TRUE(c.Boolean("AllowAutoDeactivate"));
        EXPECT_EQ(c.String("Tooltip"), "");
        if (p.text != nullptr) {
            EXPECT_EQ(c.String(std::string(p.name) == "Qbtn" ? "Caption" : "Value"), p.text);
        }
        const std::string name = p.name;
        EXPECT_EQ(c.Boolean("Enabled"), name != "zFld");
        EXPECT_EQ(c.Boolean("Visible"), name != "nText");
        const bool qbtn = name == "Qbtn", frame = name == "Rectangle3";
        EXPECT_EQ(c.Boolean("LockLeft"), !frame);
        EXPECT_EQ(c.Boolean("LockTop"), !frame);
        EXPECT_EQ(c.Boolean("LockRight"), !frame && !qbtn);
        EXPECT_EQ(c.Boolean("LockBottom"), !frame && !qbtn);
        if (name != "Canvas3") {
            EXPECT_EQ(c.Boolean("Transparent"), !qbtn);
        }
    }
}

TEST(ControlWndStreamsTest, TextFieldsKeepTheirInputRules) {
    const ReadBack r = ReadControl("rEdit");
    EXPECT_EQ(r.String("ValidationMask"), ".###");
    EXPECT_EQ(r.Integer("MaximumCharactersAllowed"), 4);
    EXPECT_EQ(r.Integer("TextAlignment"), 2);
    EXPECT_FALSE(r.Boolean("AllowSpellChecking"));
    EXPECT_FALSE(r.Boolean("ReadOnly"));
    EXPECT_EQ(r.Color("TextColor"), kBlack);
    EXPECT_EQ(r.Color("BackgroundColor"), kWhite);
    EXPECT_EQ(r.String("FontName"), "System");
    EXPECT_EQ(r.Single("FontSize"), 12.0f);

    const ReadBack n = ReadControl("nEdit");
    EXPECT_EQ(n.String("ValidationMask"), "####");
    EXPECT_EQ(n.Integer("MaximumCharactersAllowed"), 4);
    EXPECT_EQ(n.Integer("TextAlignment"), 0);
    EXPECT_TRUE(n.Boolean("AllowSpellChecking"));

    const ReadBack z = ReadControl("zFld");
    EXPECT_TRUE(z.Boolean("ReadOnly"));
    EXPECT_EQ(z.Integer("TextAlignment"), 1);
    EXPECT_EQ(z.Integer("MaximumCharactersAllowed"), 0);
    EXPECT_EQ(z.String("ValidationMask"), "");
}

TEST(ControlWndStreamsTest, LabelsSlidersButtonCanvasAndFrames) {
    const ReadBack hint = ReadControl("nText");
    EXPECT_FALSE(hint.Boolean("Visible"));
    EXPECT_EQ(hint.Color("TextColor"), (fw::Color{0xFF, 0x80, 0x00, 0x00}));
    EXPECT_EQ(hint.Single("FontSize"), 11.0f);

    const ReadBack title = ReadControl("StaticText4");
    EXPECT_EQ(title.Single("FontSize"), 48.0f);
    EXPECT_TRUE(title.Boolean("Bold"));
    EXPECT_EQ(title.Color("TextColor"), kMaroon);
    EXPECT_FALSE(ReadControl("StaticText9").Boolean("Bold"));
    EXPECT_EQ(ReadControl("StaticText8").Color("TextColor"), (fw::Color{0x66, 0x66, 0x66, 0x00}));
    for (const std::string label : {"pText", "ciText", "tText"}) {
        EXPECT_TRUE(ReadControl(label).Boolean("TabStop")) << label;
    }
    EXPECT_FALSE(ReadControl("StaticText5").Boolean("TabStop"));

    const ReadBack rSlider = ReadControl("rSlider");
    EXPECT_EQ(rSlider.Integer("Value"), 0);
    EXPECT_EQ(rSlider.Integer("MaximumValue"), 99);
    const ReadBack nSlider = ReadControl("nSlider");
    EXPECT_EQ(nSlider.Integer("Value"), 4);
    EXPECT_EQ(nSlider.Integer("MinimumValue"), 4);
    EXPECT_EQ(nSlider.Integer("MaximumValue"), 1000);
    EXPECT_EQ(nSlider.Integer("LineStep"), 1);
    EXPECT_EQ(nSlider.Integer("PageStep"), 1);

    const ReadBack button = ReadControl("Qbtn");
    EXPECT_TRUE(button.Boolean("Default"));
    EXPECT_FALSE(button.Boolean("Cancel"));
    EXPECT_FALSE(button.Boolean("TabStop"));
    EXPECT_EQ(button.Single("FontSize"), 16.0f);
    EXPECT_TRUE(button.Boolean("Bold"));

    const ReadBack canvas = ReadControl("Canvas3");
    EXPECT_TRUE(canvas.Boolean("TabStop"));
    EXPECT_FALSE(canvas.Boolean("AllowFocus"));
    int transparent = 0;
    for (const auto& entry : canvas.entries) {
        if (entry.key == "Transparent") {
            ++transparent;
            EXPECT_TRUE(std::get<bool>(entry.value));
        }
    }
    EXPECT_EQ(transparent, 2);

    struct Frame {
        const char* name;
        double border;
        fw::Color fill, topLeft, bottomRight;
    };
    for (const Frame& f : {Frame{"Rectangle2", 1, kMaroon, kWhite, kWhite},
                           Frame{"Rectangle1", 1, kMaroon, {0xFF, 0x66, 0x66, 0}, kMaroon},
                           Frame{"Rectangle3",
                                 2,
                                 {0xE6, 0xE6, 0xE6, 0},
                                 {0x66, 0x66, 0x66, 0},
                                 {0x80, 0x80, 0x80, 0}}}) {
        SCOPED_TRACE(f.name);
        const ReadBack r = ReadControl(f.name);
        EXPECT_EQ(r.Double("BorderThickness"), f.border);
        EXPECT_EQ(r.Color("FillColor"), f.fill);
        EXPECT_EQ(r.Color("TopLeftColor"), f.topLeft);
        EXPECT_EQ(r.Color("BottomRightColor"), f.bottomRight);
        for (const auto& entry : r.entries) {
            EXPECT_NE(entry.key, "TabStop");
        }
    }
}

TEST(ControlWndStreamsTest, UnknownControlNameIsOutOfRange) {
    EXPECT_THROW(ControlWndControlStream("Timer1"), std::out_of_range);
    EXPECT_THROW(ControlWndControlStream("redit"), std::out_of_range);
    EXPECT_THROW(ControlWndControlStream(""), std::out_of_range);
}

}  // namespace
