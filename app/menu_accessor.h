#pragma once

#include <memory>
#include <string>

#include "framework/menu_bar.h"

namespace Menu {

class Menu;

// The program's one menu bar, built on the first call and kept until the
// process ends.
std::shared_ptr<class Menu> Menu();

// The same bar as a framework menu bar, for callers that install it.
std::shared_ptr<fw::MenuBar> AsMenuBar(const std::shared_ptr<class Menu>& menu);

}  // namespace Menu

// The menu-item accessors' one step: the entry of that name anywhere below
// `bar`, checked against its class. A Nil bar raises NilObjectException.
template <class T>
std::shared_ptr<T> MenuEntryOf(const std::shared_ptr<fw::MenuBar>& bar, const std::string& name) {
    return fw::RuntimeCheckCast<T>(fw::Deref(bar).Lookup(name));
}
