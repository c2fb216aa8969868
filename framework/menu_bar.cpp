#include "framework/menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "framework/application.h"
#include "framework/guard.h"
#include "framework/quit_menu_item.h"
#include "framework/runtime.h"
#include "framework/window.h"

namespace fw {
namespace {

// The Qt actions of one window's menu bar with the entries they show.
struct ShownEntry {
    QAction* action;
    std::weak_ptr<MenuItem> item;
};

// Qt's own copy of the focused text control's selection, for the standard
// Edit > Copy.
void CopySelection(Window& window) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != window.TopLevel()) {
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(focus);
        line && line->hasSelectedText() && line->echoMode() == QLineEdit::Normal) {
        QGuiApplication::clipboard()->setText(line->selectedText());
    } else if (auto* text = qobject_cast<QTextEdit*>(focus);
               text && text->textCursor().hasSelection()) {
        text->copy();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus);
               plain && plain->textCursor().hasSelection()) {
        plain->copy();
    }
}

bool RunHandlers(const std::vector<std::shared_ptr<Delegate>>& handlers) {
    for (const auto& handler : handlers) {
        if (handler->Invoke<bool>()) {
            return true;
        }
    }
    return false;
}

void SyncEnabled(const std::vector<ShownEntry>& shown) {
    for (const auto& entry : shown) {
        if (auto item = entry.item.lock()) {
            entry.action->setEnabled(item->Enabled());
        }
    }
}

}  // namespace

const ClassRecord& MenuBar::ClassInfo() {
    static const ClassRecord record(
        {.name = "MenuBar", .super = &MenuItem::ClassInfo(), .framework = true});
    return record;
}

void EnableMenuItems(Window& window) {
    if (const auto bar = window.MenuBar()) {
        for (const auto& entry : bar->Descendants()) {
            entry->SetEnabled(entry->AutoEnable());
        }
    }
    if (const auto application = GetAppObject()) {
        application->RaiseClassEvent("EnableMenuItems");
    }
    window.PrepareMenus();
}

void ChooseMenuItem(Window& window, const std::shared_ptr<MenuItem>& item) {
    Deref(item);
    // A shortcut acts without its menu being opened: the entries are prepared
    // here as they would be for the menu.
    EnableMenuItems(window);
    if (!item->Enabled()) {
        return;
    }
    auto keep = window.shared_from_this();
    if (RunHandlers(window.MenuHandlers(item->Name()))) {
        return;
    }
    if (const auto application = GetAppObject();
        application && RunHandlers(application->MenuHandlers(item->Name()))) {
        return;
    }
    if (item->Record().IsA(QuitMenuItem::ClassInfo())) {
        Quit(0);
    } else if (item->Name() == "EditCopy") {
        CopySelection(window);
    }
}

void InstallMenuBar(Window& window) {
    auto* main = qobject_cast<QMainWindow*>(window.TopLevel());
    if (!main) {
        return;
    }
    const auto bar = window.MenuBar();
    if (!bar || !window.MenuBarVisible()) {
        main->setMenuBar(nullptr);
        return;
    }
    auto* qbar = new QMenuBar(main);
    auto shown = std::make_shared<std::vector<ShownEntry>>();
    std::weak_ptr<Object> weakWindow = window.shared_from_this();

    auto addAction = [&](QMenu* menu, const std::shared_ptr<MenuItem>& item) {
        QAction* action = menu->addAction(QString::fromStdString(item->Text()));
        if (!item->CommandKey().empty()) {
            action->setShortcut(
                QKeySequence::fromString(QString::fromStdString(item->CommandKey())));
        }
        shown->push_back({action, item});
        std::weak_ptr<MenuItem> weakItem = item;
        QObject::connect(action, &QAction::triggered, action, [weakWindow, weakItem] {
            Guard([&] {
                auto target = std::static_pointer_cast<Window>(weakWindow.lock());
                auto chosen = weakItem.lock();
                if (target && chosen) {
                    ChooseMenuItem(*target, chosen);
                }
            });
        });
    };

    for (const auto& top : bar->Children()) {
        // An entry without caption takes no room on screen.
        if (top->Text().empty() || !top->Visible()) {
            continue;
        }
        QMenu* menu = qbar->addMenu(QString::fromStdString(top->Text()));
        for (const auto& item : top->Children()) {
            if (!item->Visible() || item->Text().empty()) {
                continue;
            }
            if (item->Text() == "-") {
                menu->addSeparator();
            } else {
                addAction(menu, item);
            }
        }
        QObject::connect(menu, &QMenu::aboutToShow, menu, [weakWindow, shown] {
            Guard([&] {
                if (auto target = std::static_pointer_cast<Window>(weakWindow.lock())) {
                    EnableMenuItems(*target);
                    SyncEnabled(*shown);
                }
            });
        });
        // While no menu is open every action stays enabled, so its shortcut
        // reaches ChooseMenuItem, which prepares the entries and decides.
        QObject::connect(menu, &QMenu::aboutToHide, menu, [shown] {
            for (const auto& entry : *shown) {
                entry.action->setEnabled(true);
            }
        });
    }
    main->setMenuBar(qbar);
}

}  // namespace fw
