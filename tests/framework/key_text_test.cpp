#include "framework/key_text.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

#include <optional>
#include <string>

namespace {

// What a field's KeyDown hears of a key, and what a window's hears of one
// that no field took: a field leaves cursor keys and shortcuts to itself; a
// window hears every key but a modifier pressed alone.
TEST(KeyText, FieldsHearTypedKeysWindowsEveryKeyButALoneModifier) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::optional<std::string> field;
        std::optional<std::string> window;
    };
    const auto code = [](char c) { return std::string(1, c); };
    const std::nullopt_t none = std::nullopt;
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", "a", "a"},
        {Qt::Key_A, Qt::ShiftModifier, "A", "A", "A"},
        {Qt::Key_5, Qt::NoModifier, "5", "5", "5"},
        {Qt::Key_Period, Qt::NoModifier, ".", ".", "."},
        {Qt::Key_Minus, Qt::NoModifier, "-", "-", "-"},
        {Qt::Key_Space, Qt::NoModifier, " ", " ", " "},
        {Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"), "é", "é"},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", code('\x08'), code('\x08')},
        {Qt::Key_Tab, Qt::NoModifier, "\t", code('\x09'), code('\x09')},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", code('\x09'), code('\x09')},
        {Qt::Key_Return, Qt::NoModifier, "\r", code('\x0d'), code('\x0d')},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", code('\x0d'), code('\x0d')},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", code('\x1b'), code('\x1b')},
        {Qt::Key_F1, Qt::NoModifier, "", code('\x10'), code('\x10')},
        {Qt::Key_F12, Qt::NoModifier, "", code('\x10'), code('\x10')},
        // Cursor and editing keys.
        {Qt::Key_Left, Qt::NoModifier, "", none, code('\x1c')},
        {Qt::Key_Right, Qt::KeypadModifier, "", none, code('\x1d')},
        {Qt::Key_Up, Qt::ShiftModifier, "", none, code('\x1e')},
        {Qt::Key_Down, Qt::NoModifier, "", none, code('\x1f')},
        {Qt::Key_Home, Qt::NoModifier, "", none, code('\x01')},
        {Qt::Key_End, Qt::ShiftModifier, "", none, code('\x04')},
        {Qt::Key_PageUp, Qt::NoModifier, "", none, code('\x0b')},
        {Qt::Key_PageDown, Qt::NoModifier, "", none, code('\x0c')},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", none, code('\x7f')},
        {Qt::Key_Insert, Qt::NoModifier, "", none, code('\x10')},
        {Qt::Key_Print, Qt::NoModifier, "", none, code('\x10')},
        {Qt::Key_Dead_Acute, Qt::NoModifier, "", none, code('\x10')},
        {Qt::Key_unknown, Qt::NoModifier, "", none, code('\x10')},
        // Modifiers alone.
        {Qt::Key_Shift, Qt::ShiftModifier, "", none, none},
        {Qt::Key_Control, Qt::ControlModifier, "", none, none},
        {Qt::Key_Alt, Qt::AltModifier, "", none, none},
        {Qt::Key_AltGr, Qt::GroupSwitchModifier, "", none, none},
        {Qt::Key_Meta, Qt::MetaModifier, "", none, none},
        {Qt::Key_Super_L, Qt::NoModifier, "", none, none},
        {Qt::Key_CapsLock, Qt::NoModifier, "", none, none},
        // Shortcuts: a field's own (Ctrl+C, Ctrl+V, Ctrl+Z) and the menu
        // bar's; a window hears Ctrl and a letter as its control code.
        {Qt::Key_C, Qt::ControlModifier, "\x03", none, code('\x03')},
        {Qt::Key_V, Qt::ControlModifier, "\x16", none, code('\x16')},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "", none, code('\x01')},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "A", none, code('\x01')},
        {Qt::Key_Z, Qt::ControlModifier, "z", none, code('\x1a')},
        {Qt::Key_Backspace, Qt::ControlModifier, "\b", none, code('\x10')},
        {Qt::Key_Backspace, Qt::AltModifier, "\b", none, code('\x10')},
        // Keys that a field would insert text for come whatever their
        // modifiers; only Ctrl alone or with Shift makes a shortcut.
        {Qt::Key_Q, Qt::AltModifier, "q", "q", "q"},
        {Qt::Key_5, Qt::AltModifier, "5", "5", "5"},
        {Qt::Key_5, Qt::MetaModifier, "5", "5", "5"},
        {Qt::Key_5, Qt::KeypadModifier, "5", "5", "5"},
        {Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QString::fromUtf8("€"), "€", "€"},
        {Qt::Key_E, Qt::GroupSwitchModifier, QString::fromUtf8("€"), "€", "€"},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        EXPECT_EQ(fw::TypedKeyText(event), c.field) << "key " << std::hex << c.key;
        EXPECT_EQ(fw::WindowKeyText(event), c.window) << "key " << std::hex << c.key;
    }
}

}  // namespace
