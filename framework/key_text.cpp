#include "framework/key_text.h"

#include <QKeyEvent>

namespace fw {
namespace {

// Whether a line edit would insert the key's text, by Qt's own rule: a
// printable character (or a format or private-use one, or a pair of
// surrogates), unless it comes with Ctrl alone or Ctrl and Shift, which make
// shortcuts. Alt, AltGr and Meta still type.
bool InsertsText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) {
        return false;
    }
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format) {
        return true;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ShiftModifier | Qt::ControlModifier)) {
        return false;
    }
    return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
           (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

// The code under which a named key comes, or nothing for other keys.
std::optional<char> NamedKeyCode(int key) {
    switch (key) {
        case Qt::Key_Backspace:
            return '\x08';
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return '\x09';
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return '\x0d';
        case Qt::Key_Escape:
            return '\x1b';
        default:
            break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        return '\x10';
    }
    return std::nullopt;
}

// Shift, Ctrl, Alt, Super, AltGr and the lock keys say how other keys type;
// pressed alone they are no key press of their own.
bool IsModifierKey(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_Mode_switch:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
            return true;
        default:
            return false;
    }
}

// The code under which a cursor or editing key reaches a window.
std::optional<char> WindowKeyCode(int key) {
    switch (key) {
        case Qt::Key_Left:
            return '\x1c';
        case Qt::Key_Right:
            return '\x1d';
        case Qt::Key_Up:
            return '\x1e';
        case Qt::Key_Down:
            return '\x1f';
        case Qt::Key_Home:
            return '\x01';
        case Qt::Key_End:
            return '\x04';
        case Qt::Key_PageUp:
            return '\x0b';
        case Qt::Key_PageDown:
            return '\x0c';
        case Qt::Key_Delete:
            return '\x7f';
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> TypedKeyText(const QKeyEvent& event) {
    if (const std::optional<char> code = NamedKeyCode(event.key())) {
        // With Ctrl, Alt or Meta these keys are editing shortcuts
        // (Ctrl+Backspace deletes a word, Alt+Backspace undoes).
        if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            return std::nullopt;
        }
        return std::string(1, *code);
    }
    if (!InsertsText(event)) {
        return std::nullopt;
    }
    return event.text().toStdString();
}

std::optional<std::string> WindowKeyText(const QKeyEvent& event) {
    const int key = event.key();
    if (IsModifierKey(key)) {
        return std::nullopt;
    }
    if (const std::optional<char> code = WindowKeyCode(key)) {
        return std::string(1, *code);
    }
    if (std::optional<std::string> typed = TypedKeyText(event)) {
        return typed;
    }
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return std::string(1, static_cast<char>(key - Qt::Key_A + 1));
    }
    return std::string(1, '\x10');
}

}  // namespace fw
