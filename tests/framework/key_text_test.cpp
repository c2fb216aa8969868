#include "framework/key_text.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

namespace {

TEST(TypedKeyText, GivesTypedKeysTheirCodeAndLeavesTheRestToTheField) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", "a"},
        {Qt::Key_A, Qt::ShiftModifier, "A", "A"},
        {Qt::Key_5, Qt::NoModifier, "5", "5"},
        {Qt::Key_Period, Qt::NoModifier, ".", "."},
        {Qt::Key_Minus, Qt::NoModifier, "-", "-"},
        {Qt::Key_Space, Qt::NoModifier, " ", " "},
        {Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"), "é"},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", std::string(1, '\x08')},
        {Qt::Key_Tab, Qt::NoModifier, "\t", std::string(1, '\x09')},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", std::string(1, '\x09')},
        {Qt::Key_Return, Qt::NoModifier, "\r", std::string(1, '\x0d')},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", std::string(1, '\x0d')},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", std::string(1, '\x1b')},
        {Qt::Key_F1, Qt::NoModifier, "", std::string(1, '\x10')},
        {Qt::Key_F12, Qt::NoModifier, "", std::string(1, '\x10')},
        {Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
        {Qt::Key_Home, Qt::NoModifier, "", std::nullopt},
        {Qt::Key_End, Qt::ShiftModifier, "", std::nullopt},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
        {Qt::Key_PageUp, Qt::NoModifier, "", std::nullopt},
        {Qt::Key_Shift, Qt::ShiftModifier, "", std::nullopt},
        {Qt::Key_Control, Qt::ControlModifier, "", std::nullopt},
        {Qt::Key_C, Qt::ControlModifier, "\x03", std::nullopt},
        {Qt::Key_V, Qt::ControlModifier, "\x16", std::nullopt},
        // Keys that a field would insert text for come whatever their
        // modifiers; only Ctrl alone or with Shift makes a shortcut.
        {Qt::Key_Q, Qt::AltModifier, "q", "q"},
        {Qt::Key_5, Qt::AltModifier, "5", "5"},
        {Qt::Key_5, Qt::MetaModifier, "5", "5"},
        {Qt::Key_5, Qt::KeypadModifier, "5", "5"},
        {Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QString::fromUtf8("€"), "€"},
        {Qt::Key_E, Qt::GroupSwitchModifier, QString::fromUtf8("€"), "€"},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "", std::nullopt},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "A", std::nullopt},
        {Qt::Key_Z, Qt::ControlModifier, "z", std::nullopt},
        {Qt::Key_Backspace, Qt::ControlModifier, "\b", std::nullopt},
        {Qt::Key_Backspace, Qt::AltModifier, "\b", std::nullopt},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        EXPECT_EQ(fw::TypedKeyText(event), c.expected) << "key " << std::hex << c.key;
    }
}

}  // namespace
