#include "app/menu.h"

#include "framework/apple_menu_item.h"
#include "framework/quit_menu_item.h"

#include <string>

namespace Menu {
namespace {

const std::string kAboutCaption = "About Nerq";

std::shared_ptr<class Menu> implicitInstance;

// One entry's build: its values in the order they are set, the shortcut left
// alone when it is not given.
template <class T>
std::shared_ptr<T> NewEntry(const std::string& name, bool autoEnable, const std::string& text,
                            const std::string* commandKey) {
    std::shared_ptr<T> entry = fw::RuntimeNewObject<T>();
    entry->Constructor();
    entry->SetName(name);
    entry->SetAutoEnable(autoEnable);
    entry->SetText(text);
    entry->SetVisible(true);
    if (commandKey) {
        entry->SetCommandKey(*commandKey);
    }
    return entry;
}

void AddTopMenu(class Menu& bar, const std::string& name, const std::string& caption) {
    const std::string noKey;
    bar.AddMenu(NewEntry<fw::MenuItem>(name, false, caption, &noKey));
}

// Appends an item to the menu named `parent`, fetched anew for each item.
template <class T = fw::MenuItem>
void AddItem(class Menu& bar, const std::string& parent, const std::string& name, bool autoEnable,
             const std::string& text, const std::string& commandKey) {
    std::shared_ptr<T> item = NewEntry<T>(name, autoEnable, text, &commandKey);
    fw::Deref(bar.Child(parent)).AddMenu(item);
}

}  // namespace

const fw::ClassRecord& Menu::ClassInfo() {
    static const fw::ClassRecord record({.name = "Menu.Menu", .super = &fw::MenuBar::ClassInfo()});
    return record;
}

void Menu::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
    Untitled4();
}

void Menu::Untitled0() {
    AddTopMenu(*this, "UntitledMenu3", "");
}

void Menu::Untitled1() {
    AddTopMenu(*this, "UntitledMenu2", "File");
    AddItem<fw::QuitMenuItem>(*this, "UntitledMenu2", "FileQuit", true, "Quit", "Ctrl+Q");
    AddItem(*this, "UntitledMenu2", "UntitledMenu8", false, "", "");
}

void Menu::Untitled2() {
    AddTopMenu(*this, "UntitledMenu0", "Edit");
    AddItem(*this, "UntitledMenu0", "EditUndo", false, "Undo", "Ctrl+Z");
    {
        // The separator is the one entry whose shortcut is never written.
        auto separator = NewEntry<fw::MenuItem>("UntitledMenu1", false, "-", nullptr);
        fw::Deref(Child("UntitledMenu0")).AddMenu(separator);
    }
    AddItem(*this, "UntitledMenu0", "EditCut", false, "Cut", "Ctrl+X");
    AddItem(*this, "UntitledMenu0", "EditCopy", false, "Copy", "Ctrl+C");
    AddItem(*this, "UntitledMenu0", "EditPaste", false, "Paste", "Ctrl+V");
    AddItem(*this, "UntitledMenu0", "EditClear", false, "", "");
    AddItem(*this, "UntitledMenu0", "UntitledMenu7", false, "", "");
}

void Menu::Untitled3() {
    AddTopMenu(*this, "WindowMenu", "Window");
    AddItem(*this, "WindowMenu", "ControlMenuItem", false, "Control", "");
    AddItem(*this, "WindowMenu", "AboutMenuItem", false, kAboutCaption, "");
    AddItem(*this, "WindowMenu", "UntitledMenu6", false, "", "");
    AddItem<fw::AppleMenuItem>(*this, "WindowMenu", "AboutZOP", false, kAboutCaption, "");
    AddItem<fw::AppleMenuItem>(*this, "WindowMenu", "UntitledMenu5", false, "", "");
}

void Menu::Untitled4() {
    AddTopMenu(*this, "UntitledMenu4", "");
}

std::shared_ptr<class Menu> Menu() {
    if (implicitInstance) {
        return implicitInstance;
    }
    // Stored only once the whole tree is built: a build that fails leaves no
    // bar, and the next call starts afresh.
    std::shared_ptr<class Menu> bar = fw::RuntimeNewObject<class Menu>();
    bar->Constructor();
    implicitInstance = bar;
    return implicitInstance;
}

std::shared_ptr<fw::MenuBar> AsMenuBar(const std::shared_ptr<class Menu>& menu) {
    return menu;
}

}  // namespace Menu
