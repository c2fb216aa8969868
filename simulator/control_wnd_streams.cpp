#include "simulator/control_wnd_streams.h"

#include <stdexcept>
#include <utility>

#include "simulator/layout_streams.h"
#include "simulator/layouts.h"

namespace {

constexpr fw::Color kWhite = layout_colors::kWhite;      // FF FF FF 00
constexpr fw::Color kBlack = layout_colors::kBlack;      // 00 00 00 00
constexpr fw::Color kMaroon{0x80, 0x00, 0x00, 0x00};     // 80 00 00 00
constexpr fw::Color kOrange{0xFF, 0x80, 0x00, 0x00};     // FF 80 00 00
constexpr fw::Color kDarkGrey{0x66, 0x66, 0x66, 0x00};   // 66 66 66 00
constexpr fw::Color kSalmon{0xFF, 0x66, 0x66, 0x00};     // FF 66 66 00
constexpr fw::Color kGrey{0x80, 0x80, 0x80, 0x00};       // 80 80 80 00
constexpr fw::Color kLightGrey{0xE6, 0xE6, 0xE6, 0x00};  // E6 E6 E6 00

using NamedStreams = std::vector<std::pair<std::string, std::string>>;

template <class Layout>
void Add(NamedStreams& streams, const Layout& layout) {
    streams.emplace_back(layout.Head.Name, Stream(layout));
}

// Creation order. Positions are window coordinates, also inside a rectangle.
NamedStreams BuildControlStreams() {
    NamedStreams s;
    Add(s,
        TextFieldLayout{
            .Head =
                {.Name = "rEdit", .Left = 55, .Top = 192, .Width = 60, .Height = 20, .TabIndex = 0},
            .TextAlignment = 2,
            .MaximumCharactersAllowed = 4,
            .ValidationMask = ".###"});
    Add(s,
        TextFieldLayout{
            .Head =
                {.Name = "nEdit", .Left = 55, .Top = 257, .Width = 60, .Height = 20, .TabIndex = 1},
            .TextAlignment = 0,
            .AllowSpellChecking = true,
            .MaximumCharactersAllowed = 4,
            .ValidationMask = "####"});
    Add(s, RectangleLayout{.Head = {.Name = "Rectangle2",
                                    .Left = 5,
                                    .Top = 5,
                                    .Width = 100,
                                    .Height = 80,
                                    .TabIndex = 3},
                           .BorderThickness = 1,
                           .BottomRightColor = kWhite,
                           .FillColor = kMaroon,
                           .TopLeftColor = kWhite});
    Add(s,
        CanvasLayout{
            .Head =
                {.Name = "Canvas3", .Left = 9, .Top = 9, .Width = 92, .Height = 72, .TabIndex = 0},
            .TabStop = true,
            .AllowFocusRing = false,
            .AllowFocus = false,
            .InitialParent = "Rectangle2"});
    Add(s, LabelLayout{.Head = {.Name = "StaticText4",
                                .Left = 115,
                                .Top = -5,
                                .Width = 371,
                                .Height = 73,
                                .TabIndex = 4},
                       .TextAlignment = 2,
                       .TextColor = kMaroon,
                       .Value = "Nerq",
                       .Bold = true,
                       .FontSize = 48});
    Add(s, LabelLayout{.Head = {.Name = "StaticText9",
                                .Left = 115,
                                .Top = 66,
                                .Width = 371,
                                .Height = 20,
                                .TabIndex = 5},
                       .TextAlignment = 2,
                       .TextColor = kMaroon,
                       .Value = "by the Nerq authors",
                       .FontSize = 9});
    Add(s, RectangleLayout{.Head = {.Name = "Rectangle1",
                                    .Left = 113,
                                    .Top = 82,
                                    .Width = 371,
                                    .Height = 2,
                                    .TabIndex = 6},
                           .BorderThickness = 1,
                           .BottomRightColor = kMaroon,
                           .FillColor = kMaroon,
                           .TopLeftColor = kSalmon});
    Add(s, SliderLayout{.Head = {.Name = "rSlider",
                                 .Left = 25,
                                 .Top = 220,
                                 .Width = 450,
                                 .Height = 15,
                                 .TabIndex = 7},
                        .Value = 0,
                        .MinimumValue = 0,
                        .MaximumValue = 99});
    Add(s, SliderLayout{.Head = {.Name = "nSlider",
                                 .Left = 25,
                                 .Top = 285,
                                 .Width = 450,
                                 .Height = 15,
                                 .TabIndex = 8},
                        .Value = 4,
                        .MinimumValue = 4,
                        .MaximumValue = 1000});
    Add(s, LabelLayout{.Head = {.Name = "StaticText2",
                                .Left = 25,
                                .Top = 192,
                                .Width = 20,
                                .Height = 20,
                                .TabIndex = 9},
                       .TextAlignment = 0,
                       .TextColor = kBlack,
                       .Value = "r =",
                       .Bold = true,
                       .FontSize = 12});
    Add(s, LabelLayout{.Head = {.Name = "StaticText3",
                                .Left = 25,
                                .Top = 257,
                                .Width = 20,
                                .Height = 20,
                                .TabIndex = 10},
                       .TextAlignment = 0,
                       .TextColor = kBlack,
                       .Value = "N =",
                       .Bold = true,
                       .FontSize = 12});
    // The range hint, shown only while N is out of range.
    Add(s, LabelLayout{.Head = {.Name = "nText",
                                .Left = 127,
                                .Top = 257,
                                .Width = 129,
                                .Height = 20,
                                .TabIndex = 12},
                       .TextAlignment = 0,
                       .TextColor = kOrange,
                       .Value = "(4 - 1,1000)",
                       .Visible = false,
                       .FontSize = 11});
    Add(s, LabelLayout{.Head = {.Name = "StaticText8",
                                .Left = 325,
                                .Top = 192,
                                .Width = 70,
                                .Height = 20,
                                .TabIndex = 13},
                       .TextAlignment = 0,
                       .TextColor = kDarkGrey,
                       .Value = "Fisher's z =",
                       .Bold = true,
                       .FontSize = 12});
    // Only the program writes Fisher's z.
    Add(s, TextFieldLayout{.Head = {.Name = "zFld",
                                    .Left = 400,
                                    .Top = 192,
                                    .Width = 70,
                                    .Height = 20,
                                    .TabIndex = 14},
                           .Enabled = false,
                           .TextAlignment = 1,
                           .MaximumCharactersAllowed = 0,
                           .ValidationMask = "",
                           .ReadOnly = true});
    Add(s, PushButtonLayout{.Head = {.Name = "Qbtn",
                                     .Left = 439,
                                     .Top = 349,
                                     .Width = 40,
                                     .Height = 40,
                                     .LockRight = false,
                                     .LockBottom = false,
                                     .TabIndex = 15},
                            .TabStop = false,
                            .Cancel = false,
                            .Caption = "?",
                            .Default = true,
                            .Transparent = false,
                            .FontSize = 16,
                            .Bold = true});
    // The result frame; the six labels after it lie inside it.
    Add(s, RectangleLayout{.Head = {.Name = "Rectangle3",
                                    .Left = 20,
                                    .Top = 353,
                                    .Width = 420,
                                    .Height = 30,
                                    .LockLeft = false,
                                    .LockTop = false,
                                    .LockRight = false,
                                    .LockBottom = false,
                                    .TabIndex = 2},
                           .BorderThickness = 2,
                           .BottomRightColor = kGrey,
                           .FillColor = kLightGrey,
                           .TopLeftColor = kDarkGrey});
    Add(s, LabelLayout{.Head = {.Name = "StaticText5",
                                .Left = 35,
                                .Top = 358,
                                .Width = 30,
                                .Height = 20,
                                .TabIndex = 0},
                       .TextAlignment = 0,
                       .TextColor = kMaroon,
                       .Value = "t =",
                       .Bold = true,
                       .FontSize = 12,
                       .InitialParent = "Rectangle3"});
    Add(s, LabelLayout{.Head = {.Name = "StaticText1",
                                .Left = 136,
                                .Top = 358,
                                .Width = 40,
                                .Height = 20,
                                .TabIndex = 2},
                       .TextAlignment = 0,
                       .TextColor = kMaroon,
                       .Value = "p =",
                       .Bold = true,
                       .FontSize = 12,
                       .InitialParent = "Rectangle3"});
    Add(s, LabelLayout{.Head = {.Name = "pText",
                                .Left = 164,
                                .Top = 358,
                                .Width = 60,
                                .Height = 20,
                                .TabIndex = 3},
                       .TabStop = true,
                       .TextAlignment = 2,
                       .TextColor = kBlack,
                       .FontSize = 12,
                       .InitialParent = "Rectangle3"});
    Add(s, LabelLayout{.Head = {.Name = "StaticText7",
                                .Left = 251,
                                .Top = 358,
                                .Width = 85,
                                .Height = 20,
                                .TabIndex = 4},
                       .TextAlignment = 0,
                       .TextColor = kMaroon,
                       .Value = "95% CI of r =",
                       .Bold = true,
                       .FontSize = 12,
                       .InitialParent = "Rectangle3"});
    Add(s, LabelLayout{.Head = {.Name = "ciText",
                                .Left = 334,
                                .Top = 358,
                                .Width = 95,
                                .Height = 20,
                                .TabIndex = 5},
                       .TabStop = true,
                       .TextAlignment = 2,
                       .TextColor = kBlack,
                       .FontSize = 12,
                       .InitialParent = "Rectangle3"});
    // Made last, yet second from the left in the frame.
    Add(s,
        LabelLayout{
            .Head =
                {.Name = "tText", .Left = 60, .Top = 358, .Width = 60, .Height = 20, .TabIndex = 1},
            .TabStop = true,
            .TextAlignment = 0,
            .TextColor = kBlack,
            .FontSize = 12,
            .InitialParent = "Rectangle3"});
    return s;
}

const NamedStreams& ControlStreams() {
    static const NamedStreams streams = BuildControlStreams();
    return streams;
}

}  // namespace

const std::string& ControlWndWindowStream() {
    // 500 x 425, not resizable by the user, with close and minimize buttons.
    static const std::string stream = Stream(WindowLayout{.Width = 500,
                                                          .Height = 425,
                                                          .MaximumWidth = 500,
                                                          .MaximumHeight = 500,
                                                          .Type = 0,
                                                          .Title = "Nerq",
                                                          .HasMaximizeButton = false,
                                                          .Resizeable = false,
                                                          .HasBackgroundColor = true,
                                                          .BackgroundColor = kWhite});
    return stream;
}

const std::vector<std::string>& ControlWndControlNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> result;
        for (const auto& [name, stream] : ControlStreams()) {
            result.push_back(name);
        }
        return result;
    }();
    return names;
}

const std::string& ControlWndControlStream(std::string_view controlName) {
    return StreamNamed(ControlStreams(), controlName, "ControlWnd");
}
