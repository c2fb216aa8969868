#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "framework/property.h"

// The 85 keys that the program's layout streams use, under the names their
// properties are declared with (two differ from the stored keys in letter
// case), with the declared types. Value is left out: its type depends on the
// class (valueType below).
namespace layout_keys {

using fw::PropertyType;

inline constexpr std::array<std::pair<std::string_view, PropertyType>, 84> kDeclared{{
    {"AllowAutoDeactivate", PropertyType::Boolean},
    {"AllowFocus", PropertyType::Boolean},
    {"AllowFocusRing", PropertyType::Boolean},
    {"AllowLiveScrolling", PropertyType::Boolean},
    {"AllowSpellChecking", PropertyType::Boolean},
    {"AllowStyledText", PropertyType::Boolean},
    {"AllowTabs", PropertyType::Boolean},
    {"BackgroundColor", PropertyType::Color},
    {"Bold", PropertyType::Boolean},
    {"BorderThickness", PropertyType::Double},
    {"BottomRightColor", PropertyType::Color},
    {"Cancel", PropertyType::Boolean},
    {"Caption", PropertyType::String},
    {"Composite", PropertyType::Boolean},
    {"DataField", PropertyType::String},
    {"DataSource", PropertyType::String},
    {"Default", PropertyType::Boolean},
    {"DefaultLocation", PropertyType::Integer},
    {"DoubleBuffer", PropertyType::Boolean},
    {"Enabled", PropertyType::Boolean},
    {"FillColor", PropertyType::Color},
    {"FontName", PropertyType::String},
    {"FontSize", PropertyType::Single},
    {"FontUnit", PropertyType::FontUnits},
    {"Format", PropertyType::String},
    {"FullScreen", PropertyType::Boolean},
    {"HasBackgroundColor", PropertyType::Boolean},
    {"HasBorder", PropertyType::Boolean},
    {"HasCloseButton", PropertyType::Boolean},
    {"HasFullScreenButton", PropertyType::Boolean},
    {"HasHorizontalScrollbar", PropertyType::Boolean},
    {"HasMaximizeButton", PropertyType::Boolean},
    {"HasMinimizeButton", PropertyType::Boolean},
    {"HasVerticalScrollbar", PropertyType::Boolean},
    {"Height", PropertyType::Integer},
    {"HideSelection", PropertyType::Boolean},
    {"Hint", PropertyType::String},
    {"Index", PropertyType::Integer},
    {"InitialParent", PropertyType::String},
    {"Italic", PropertyType::Boolean},
    {"Left", PropertyType::Integer},
    {"LineHeight", PropertyType::Double},
    {"LineSpacing", PropertyType::Double},
    {"LineStep", PropertyType::Integer},
    {"LiveResize", PropertyType::Boolean},
    {"LockBottom", PropertyType::Boolean},
    {"LockLeft", PropertyType::Boolean},
    {"LockRight", PropertyType::Boolean},
    {"LockTop", PropertyType::Boolean},
    {"MacButtonStyle", PropertyType::Integer},
    {"MacProcId", PropertyType::Integer},
    {"MaximumCharactersAllowed", PropertyType::Integer},
    {"MaximumHeight", PropertyType::Integer},
    {"MaximumValue", PropertyType::Integer},
    {"MaximumWidth", PropertyType::Integer},
    {"MenuBarVisible", PropertyType::Boolean},
    {"MinimumHeight", PropertyType::Integer},
    {"MinimumValue", PropertyType::Integer},
    {"MinimumWidth", PropertyType::Integer},
    {"MultiLine", PropertyType::Boolean},
    {"Name", PropertyType::String},
    {"PageStep", PropertyType::Integer},
    {"Password", PropertyType::Boolean},
    {"Period", PropertyType::Integer},
    {"ReadOnly", PropertyType::Boolean},
    {"Resizeable", PropertyType::Boolean},
    {"RunMode", PropertyType::Integer},
    {"Selectable", PropertyType::Boolean},
    {"TabIndex", PropertyType::Integer},
    {"TabPanelIndex", PropertyType::Integer},
    {"TabStop", PropertyType::Boolean},
    {"TextAlignment", PropertyType::Integer},
    {"TextColor", PropertyType::Color},
    {"TickMarkStyle", PropertyType::Integer},
    {"Title", PropertyType::String},
    {"Tooltip", PropertyType::String},
    {"Top", PropertyType::Integer},
    {"TopLeftColor", PropertyType::Color},
    {"Transparent", PropertyType::Boolean},
    {"Type", PropertyType::Integer},
    {"Underline", PropertyType::Boolean},
    {"ValidationMask", PropertyType::String},
    {"Visible", PropertyType::Boolean},
    {"Width", PropertyType::Integer},
}};

inline bool SameLettersAnyCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The declared type of key, letter case aside; Value has valueType (String on
// labels, text fields and text areas, Integer on sliders).
inline std::optional<PropertyType> TypeOf(std::string_view key, PropertyType valueType) {
    if (SameLettersAnyCase(key, "Value")) {
        return valueType;
    }
    for (const auto& [name, type] : kDeclared) {
        if (SameLettersAnyCase(key, name)) {
            return type;
        }
    }
    return std::nullopt;
}

}  // namespace layout_keys
