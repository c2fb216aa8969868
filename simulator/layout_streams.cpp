#include "simulator/layout_streams.h"

#include "simulator/property_stream_writer.h"

namespace {

// The head that every control stream but the timer's begins with.
template <class Layout>
PropertyStreamWriter& Head(PropertyStreamWriter& w, const Layout& l) {
    const ControlHead& h = l.Head;
    w.String("Name", h.Name)
        .Integer("Index", h.Index)
        .Integer("Left", h.Left)
        .Integer("Top", h.Top)
        .Integer("Width", h.Width)
        .Integer("Height", h.Height)
        .Boolean("LockLeft", h.LockLeft)
        .Boolean("LockTop", h.LockTop)
        .Boolean("LockRight", h.LockRight)
        .Boolean("LockBottom", h.LockBottom)
        .Integer("TabIndex", h.TabIndex)
        .Integer("TabPanelIndex", h.TabPanelIndex);
    // A rectangle's head has no TabStop, and its layout no such field.
    if constexpr (requires { l.TabStop; }) {
        w.Boolean("TabStop", l.TabStop);
    }
    return w.Boolean("AllowAutoDeactivate", l.AllowAutoDeactivate);
}

// The entry that every control stream but the timer's ends with.
template <class Layout>
std::string Tail(PropertyStreamWriter& w, const Layout& l) {
    return w.String("InitialParent", l.InitialParent).Bytes();
}

}  // namespace

std::string Stream(const WindowLayout& l) {
    PropertyStreamWriter w;
    return w.Integer("Width", l.Width)
        .Integer("Height", l.Height)
        .Integer("MinimumWidth", l.MinimumWidth)
        .Integer("MinimumHeight", l.MinimumHeight)
        .Integer("MaximumWidth", l.MaximumWidth)
        .Integer("MaximumHeight", l.MaximumHeight)
        .Integer("Type", l.Type)
        .String("Title", l.Title)
        .Boolean("HasCloseButton", l.HasCloseButton)
        .Boolean("HasMaximizeButton", l.HasMaximizeButton)
        .Boolean("HasMinimizeButton", l.HasMinimizeButton)
        .Boolean("HasFullScreenButton", l.HasFullScreenButton)
        .Boolean("Resizeable", l.Resizeable)
        .Boolean("Composite", l.Composite)
        .Integer("MacProcID", l.MacProcID)
        .Boolean("FullScreen", l.FullScreen)
        .Integer("DefaultLocation", l.DefaultLocation)
        .Boolean("Visible", l.Visible)
        .Boolean("HasBackgroundColor", l.HasBackgroundColor)
        .Color("BackgroundColor", l.BackgroundColor)
        .Boolean("MenuBarVisible", l.MenuBarVisible)
        .Boolean("LiveResize", l.LiveResize)
        .Bytes();
}

std::string Stream(const TextFieldLayout& l) {
    PropertyStreamWriter w;
    Head(w, l)
        .Color("BackgroundColor", l.BackgroundColor)
        .Boolean("HasBorder", l.HasBorder)
        .Boolean("Enabled", l.Enabled)
        .String("Format", l.Format)
        .String("Tooltip", l.Tooltip)
        .Boolean("Password", l.Password)
        .Color("TextColor", l.TextColor)
        .Boolean("Transparent", l.Transparent)
        .Boolean("AllowFocusRing", l.AllowFocusRing)
        .Boolean("Visible", l.Visible)
        .String("FontName", l.FontName)
        .Single("FontSize", l.FontSize)
        .FontUnits("FontUnit", l.FontUnit)
        .Boolean("Bold", l.Bold)
        .Boolean("Italic", l.Italic)
        .Boolean("Underline", l.Underline)
        .String("Hint", l.Hint)
        .String("Value", l.Value)
        .Boolean("AllowTabs", l.AllowTabs)
        .Integer("TextAlignment", l.TextAlignment)
        .Boolean("AllowSpellChecking", l.AllowSpellChecking)
        .Integer("MaximumCharactersAllowed", l.MaximumCharactersAllowed)
        .String("ValidationMask", l.ValidationMask)
        .Boolean("ReadOnly", l.ReadOnly)
        .String("DataSource", l.DataSource)
        .String("DataField", l.DataField);
    return Tail(w, l);
}

std::string Stream(const LabelLayout& l) {
    PropertyStreamWriter w;
    Head(w, l)
        .Boolean("Enabled", l.Enabled)
        .String("Tooltip", l.Tooltip)
        .Boolean("Multiline", l.Multiline)
        .Boolean("Selectable", l.Selectable)
        .Integer("TextAlignment", l.TextAlignment)
        .Color("TextColor", l.TextColor)
        .Boolean("Transparent", l.Transparent)
        .String("Value", l.Value)
        .Boolean("Visible", l.Visible)
        .Boolean("Bold", l.Bold)
        .Boolean("Italic", l.Italic)
        .String("FontName", l.FontName)
        .Boolean("Underline", l.Underline)
        .Single("FontSize", l.FontSize)
        .FontUnits("FontUnit", l.FontUnit)
        .String("DataSource", l.DataSource)
        .String("DataField", l.DataField);
    return Tail(w, l);
}

std::string Stream(const RectangleLayout& l) {
    PropertyStreamWriter w;
    Head(w, l)
        .Double("BorderThickness", l.BorderThickness)
        .Color("BottomRightColor", l.BottomRightColor)
        .Boolean("Enabled", l.Enabled)
        .Color("FillColor", l.FillColor)
        .String("Tooltip", l.Tooltip)
        .Color("TopLeftColor", l.TopLeftColor)
        .Boolean("Transparent", l.Transparent)
        .Boolean("Visible", l.Visible);
    return Tail(w, l);
}

std::string Stream(const CanvasLayout& l) {
    PropertyStreamWriter w;
    Head(w, l)
        .Boolean("Enabled", l.Enabled)
        .String("Tooltip", l.Tooltip)
        .Boolean("AllowFocusRing", l.AllowFocusRing)
        .Boolean("Visible", l.Visible)
        .Boolean("AllowFocus", l.AllowFocus)
        .Boolean("AllowTabs", l.AllowTabs)
        .Boolean("Transparent", l.Transparent)
        .Boolean("DoubleBuffer", l.DoubleBuffer)
        .Boolean("Transparent", l.Transparent);
    return Tail(w, l);
}

std::string Stream(const SliderLayout& l) {
    PropertyStreamWriter w;
    Head(w, l)
        .Boolean("Enabled", l.Enabled)
        .String("Tooltip", l.Tooltip)
        .Boolean("Transparent", l.Transparent)
        .Boolean("Visible", l.Visible)
        .Integer("Value", l.Value)
        .Integer("MinimumValue", l.MinimumValue)
        .Integer("MaximumValue", l.MaximumValue)
        .Integer("LineStep", l.LineStep)
        .Boolean("AllowLiveScrolling", l.AllowLiveScrolling)
        .Integer("PageStep", l.PageStep)
        .Integer("TickMarkStyle", l.TickMarkStyle);
    return Tail(w, l);
}

std::string Stream(const PushButtonLayout& l) {
    PropertyStreamWriter w;
    Head(w, l)
        .Integer("MacButtonStyle", l.MacButtonStyle)
        .Boolean("Cancel", l.Cancel)
        .String("Caption", l.Caption)
        .Boolean("Default", l.Default)
        .Boolean("Enabled", l.Enabled)
        .String("Tooltip", l.Tooltip)
        .Boolean("Transparent", l.Transparent)
        .Boolean("Visible", l.Visible)
        .String("FontName", l.FontName)
        .Single("FontSize", l.FontSize)
        .FontUnits("FontUnit", l.FontUnit)
        .Boolean("Bold", l.Bold)
        .Boolean("Italic", l.Italic)
        .Boolean("Underline", l.Underline);
    return Tail(w, l);
}

std::string Stream(const TextAreaLayout& l) {
    PropertyStreamWriter w;
    Head(w, l)
        .Color("BackgroundColor", l.BackgroundColor)
        .Boolean("HasBorder", l.HasBorder)
        .Boolean("Enabled", l.Enabled)
        .String("Format", l.Format)
        .String("Tooltip", l.Tooltip)
        .Boolean("HideSelection", l.HideSelection)
        .Double("LineHeight", l.LineHeight)
        .Double("LineSpacing", l.LineSpacing)
        .Boolean("Multiline", l.Multiline)
        .Boolean("HasHorizontalScrollbar", l.HasHorizontalScrollbar)
        .Boolean("HasVerticalScrollbar", l.HasVerticalScrollbar)
        .Boolean("AllowStyledText", l.AllowStyledText)
        .Color("TextColor", l.TextColor)
        .Boolean("Transparent", l.Transparent)
        .Boolean("AllowFocusRing", l.AllowFocusRing)
        .Boolean("Visible", l.Visible)
        .Boolean("Bold", l.Bold)
        .Boolean("Italic", l.Italic)
        .String("FontName", l.FontName)
        .Single("FontSize", l.FontSize)
        .FontUnits("FontUnit", l.FontUnit)
        .Boolean("Underline", l.Underline)
        .String("Value", l.Value)
        .Boolean("AllowTabs", l.AllowTabs)
        .Integer("TextAlignment", l.TextAlignment)
        .Boolean("AllowSpellChecking", l.AllowSpellChecking)
        .Integer("MaximumCharactersAllowed", l.MaximumCharactersAllowed)
        .String("ValidationMask", l.ValidationMask)
        .Boolean("ReadOnly", l.ReadOnly)
        .String("DataSource", l.DataSource)
        .String("DataField", l.DataField);
    return Tail(w, l);
}

std::string Stream(const TimerLayout& l) {
    PropertyStreamWriter w;
    return w.Integer("RunMode", l.RunMode).Integer("Period", l.Period).Bytes();
}
