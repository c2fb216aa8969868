#pragma once

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

// How the user changes a text: keys, a paste, a drop, an input method's
// commit (a dead key and a letter, a compose sequence), a middle click that
// pastes the X selection, Paste from the text's context menu.
struct UserEdit {
    enum Kind { Keys, Key, Paste, Drop, InputMethod, MiddleClick, MenuPaste } kind;
    QString text;  // typed, pasted, dropped or committed
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

inline UserEdit Typed(const char* text) {
    return {UserEdit::Keys, QString::fromUtf8(text)};
}
inline UserEdit Pressed(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return {UserEdit::Key, {}, key, modifiers};
}
inline UserEdit Pasted(const char* text) {
    return {UserEdit::Paste, QString::fromUtf8(text)};
}
inline UserEdit Dropped(const char* text) {
    return {UserEdit::Drop, QString::fromUtf8(text)};
}
inline UserEdit Committed(const char* text) {
    return {UserEdit::InputMethod, QString::fromUtf8(text)};
}
inline UserEdit MiddleClickPasted(const char* text) {
    return {UserEdit::MiddleClick, QString::fromUtf8(text)};
}
inline UserEdit MenuPasted(const char* text) {
    return {UserEdit::MenuPaste, QString::fromUtf8(text)};
}

// Every road by which a user may change a text, each once: what a text that
// takes no edit must refuse. A middle click pastes only where the platform
// has a selection: on X, not on the offscreen platform, so the tests that
// walk this list run once more on a virtual X display (xvfb_rerun.h).
inline std::vector<UserEdit> EveryEditRoad() {
    std::vector<UserEdit> roads = {
        Typed("xyz"),
        Pressed(Qt::Key_Backspace),
        Pressed(Qt::Key_Delete),
        Pressed(Qt::Key_Return),
        Pressed(Qt::Key_Tab),
        Pasted("pasted"),
        Pressed(Qt::Key_X, Qt::ControlModifier),
        Committed("á"),
        Committed("\u00e9t\u00e9"),
        Dropped("dropped"),
        MenuPasted("from the menu"),
        Pressed(Qt::Key_Z, Qt::ControlModifier),
        Pressed(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier),
    };
    if (QGuiApplication::clipboard()->supportsSelection()) {
        roads.push_back(MiddleClickPasted("selected elsewhere"));
    }
    return roads;
}

// The menu that a right click on the text opens.
inline QMenu* StandardContextMenu(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->createStandardContextMenu();
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        return plain->createStandardContextMenu();
    }
    return nullptr;
}

// The menu's Paste entry, by its caption (the tests run untranslated; the
// shortcut beside it is left out where the window's own menu has it).
inline QAction* PasteEntry(const QMenu* menu) {
    for (QAction* action : menu ? menu->actions() : QList<QAction*>{}) {
        if (action->text().section('\t', 0, 0).remove('&') == "Paste") {
            return action;
        }
    }
    return nullptr;
}

// A scroll area takes drags and clicks on its viewport.
inline QWidget* Surface(QWidget* widget) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    return area ? area->viewport() : widget;
}

inline void Apply(QWidget* widget, const UserEdit& e) {
    switch (e.kind) {
        case UserEdit::Keys:
            QTest::keyClicks(widget, e.text);
            break;
        case UserEdit::Key:
            QTest::keyClick(widget, e.key, e.modifiers);
            break;
        case UserEdit::Paste:
            QGuiApplication::clipboard()->setText(e.text);
            QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
            break;
        case UserEdit::Drop: {
            QWidget* surface = Surface(widget);
            QMimeData data;
            data.setText(e.text);
            const QPointF at(surface->width() - 2, surface->height() / 2.0);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(surface, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(surface, &drop);
            break;
        }
        case UserEdit::InputMethod: {
            QInputMethodEvent commit;
            commit.setCommitString(e.text);
            QApplication::sendEvent(widget, &commit);
            break;
        }
        case UserEdit::MiddleClick:
            QGuiApplication::clipboard()->setText(e.text, QClipboard::Selection);
            QTest::mouseClick(Surface(widget), Qt::MiddleButton, {}, QPoint(5, 5));
            break;
        case UserEdit::MenuPaste: {
            // The Paste entry of the menu that a right click opens, where the
            // text offers one; its action runs from outside any event of the
            // widget's own. Let what it posts run too.
            QGuiApplication::clipboard()->setText(e.text);
            const std::unique_ptr<QMenu> menu(StandardContextMenu(widget));
            if (QAction* paste = PasteEntry(menu.get()); paste && paste->isEnabled()) {
                paste->trigger();
            }
            QCoreApplication::processEvents();
            break;
        }
    }
}
