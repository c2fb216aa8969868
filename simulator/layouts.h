#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "framework/property.h"

// The layout values of each kind of object, one field per stored key, named
// like the key and declared in the kind's stored order (a control's first
// keys in its Head), so that a description written with designated
// initialisers reads in stream order. The initialisers
// hold the values that every object of the kind in the program stores; any
// other field starts at zero, false or empty, and a description names what
// differs from that.

// The Index of a control that is not a member of a control array.
inline constexpr std::int64_t kNoControlArrayIndex = std::numeric_limits<std::int32_t>::min();

namespace layout_colors {
inline constexpr fw::Color kWhite{0xFF, 0xFF, 0xFF, 0x00};
inline constexpr fw::Color kBlack{0x00, 0x00, 0x00, 0x00};
}  // namespace layout_colors

// The keys that every control's stream begins with, in their stored order:
// its name, index and place, locked on all four sides, and its tab order.
struct ControlHead {
    std::string Name{};
    std::int64_t Index = kNoControlArrayIndex;
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Width = 0;
    std::int64_t Height = 0;
    bool LockLeft = true;
    bool LockTop = true;
    bool LockRight = true;
    bool LockBottom = true;
    std::int64_t TabIndex = 0;
    std::int64_t TabPanelIndex = 0;
};

struct WindowLayout {
    std::int64_t Width = 0;
    std::int64_t Height = 0;
    std::int64_t MinimumWidth = 64;
    std::int64_t MinimumHeight = 64;
    std::int64_t MaximumWidth = 0;
    std::int64_t MaximumHeight = 0;
    std::int64_t Type = 0;  // Window.Types
    std::string Title{};
    bool HasCloseButton = true;
    bool HasMaximizeButton = false;
    bool HasMinimizeButton = true;
    bool HasFullScreenButton = false;
    bool Resizeable = false;
    bool Composite = false;
    std::int64_t MacProcID = 0;
    bool FullScreen = false;
    std::int64_t DefaultLocation = 0;  // Window.Locations
    bool Visible = true;
    bool HasBackgroundColor = false;
    fw::Color BackgroundColor = layout_colors::kWhite;
    bool MenuBarVisible = true;
    bool LiveResize = false;
};

struct TextFieldLayout {
    ControlHead Head;
    bool TabStop = true;
    bool AllowAutoDeactivate = true;
    fw::Color BackgroundColor = layout_colors::kWhite;
    bool HasBorder = true;
    bool Enabled = true;
    std::string Format{};
    std::string Tooltip{};
    bool Password = false;
    fw::Color TextColor = layout_colors::kBlack;
    bool Transparent = true;
    bool AllowFocusRing = true;
    bool Visible = true;
    std::string FontName = "System";
    float FontSize = 12;
    std::uint8_t FontUnit = 0;  // FontUnits
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::string Hint{};
    std::string Value{};
    bool AllowTabs = false;
    std::int64_t TextAlignment = 0;  // TextAlignments
    bool AllowSpellChecking = false;
    std::int64_t MaximumCharactersAllowed = 0;
    std::string ValidationMask{};
    bool ReadOnly = false;
    std::string DataSource{};
    std::string DataField{};
    std::string InitialParent{};
};

struct LabelLayout {
    ControlHead Head;
    bool TabStop = false;
    bool AllowAutoDeactivate = true;
    bool Enabled = true;
    std::string Tooltip{};
    bool Multiline = false;  // the property declared as MultiLine
    bool Selectable = false;
    std::int64_t TextAlignment = 0;  // TextAlignments
    fw::Color TextColor{};
    bool Transparent = true;
    std::string Value{};  // the label's text
    bool Visible = true;
    bool Bold = false;
    bool Italic = false;
    std::string FontName = "System";
    bool Underline = false;
    float FontSize = 0;
    std::uint8_t FontUnit = 0;  // FontUnits
    std::string DataSource{};
    std::string DataField{};
    std::string InitialParent{};
};

// A rectangle stores no TabStop.
struct RectangleLayout {
    ControlHead Head;
    bool AllowAutoDeactivate = true;
    double BorderThickness = 0;
    fw::Color BottomRightColor{};
    bool Enabled = true;
    fw::Color FillColor{};
    std::string Tooltip{};
    fw::Color TopLeftColor{};
    bool Transparent = true;
    bool Visible = true;
    std::string InitialParent{};
};

// The stream stores Transparent twice, both times this one value.
struct CanvasLayout {
    ControlHead Head;
    bool TabStop = false;
    bool AllowAutoDeactivate = true;
    bool Enabled = true;
    std::string Tooltip{};
    bool AllowFocusRing = false;
    bool Visible = true;
    bool AllowFocus = false;
    bool AllowTabs = false;
    bool Transparent = true;
    bool DoubleBuffer = false;
    std::string InitialParent{};
};

struct SliderLayout {
    ControlHead Head;
    bool TabStop = true;
    bool AllowAutoDeactivate = true;
    bool Enabled = true;
    std::string Tooltip{};
    bool Transparent = true;
    bool Visible = true;
    std::int64_t Value = 0;  // the position, an Integer on a slider
    std::int64_t MinimumValue = 0;
    std::int64_t MaximumValue = 0;
    std::int64_t LineStep = 1;
    bool AllowLiveScrolling = true;
    std::int64_t PageStep = 1;
    std::int64_t TickMarkStyle = 0;  // Slider.TickMarkStyles
    std::string InitialParent{};
};

struct PushButtonLayout {
    ControlHead Head;
    bool TabStop = false;
    bool AllowAutoDeactivate = true;
    std::int64_t MacButtonStyle = 0;  // PushButton.MacButtonStyles
    bool Cancel = false;
    std::string Caption{};
    bool Default = false;
    bool Enabled = true;
    std::string Tooltip{};
    bool Transparent = true;
    bool Visible = true;
    std::string FontName = "System";
    float FontSize = 12;
    std::uint8_t FontUnit = 0;  // FontUnits
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::string InitialParent{};
};

struct TextAreaLayout {
    ControlHead Head;
    bool TabStop = false;
    bool AllowAutoDeactivate = true;
    fw::Color BackgroundColor{};
    bool HasBorder = false;
    bool Enabled = true;
    std::string Format{};
    std::string Tooltip{};
    bool HideSelection = false;
    double LineHeight = 0;
    double LineSpacing = 0;
    bool Multiline = false;  // the property declared as MultiLine
    bool HasHorizontalScrollbar = false;
    bool HasVerticalScrollbar = false;
    bool AllowStyledText = false;
    fw::Color TextColor{};
    bool Transparent = true;
    bool AllowFocusRing = false;
    bool Visible = true;
    bool Bold = false;
    bool Italic = false;
    std::string FontName{};
    float FontSize = 0;
    std::uint8_t FontUnit = 0;  // FontUnits
    bool Underline = false;
    std::string Value{};  // the text
    bool AllowTabs = false;
    std::int64_t TextAlignment = 0;  // TextAlignments
    bool AllowSpellChecking = false;
    std::int64_t MaximumCharactersAllowed = 0;
    std::string ValidationMask{};
    bool ReadOnly = false;
    std::string DataSource{};
    std::string DataField{};
    std::string InitialParent{};
};

// A timer stores only its mode and period; its name comes from the window.
struct TimerLayout {
    std::int64_t RunMode = 0;  // Timer.RunModes
    std::int64_t Period = 0;   // milliseconds
};
