#include "framework/key_text.h"

#include <QKeyEvent>

namespace fw {

std::optional<std::string> TypedKeyText(const QKeyEvent& event) {
    const Qt::KeyboardModifiers shortcutModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & shortcutModifiers) {
        return std::nullopt;
    }
    const int key = event.key();
    switch (key) {
        case Qt::Key_Backspace:
            return std::string(1, '\x08');
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::string(1, '\x09');
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return std::string(1, '\x0d');
        case Qt::Key_Escape:
            return std::string(1, '\x1b');
        default:
            break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        return std::string(1, '\x10');
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return std::nullopt;
    }
    return text.toStdString();
}

}  // namespace fw
