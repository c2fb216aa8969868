#pragma once

#include <string>
#include <vector>

#include "framework/class_record.h"
#include "framework/window.h"

// What the program's three window classes share: their Layout and their
// CreateControls events, the second running the class's own hidden
// CreateControls0, and the query of the events the class implements.
class ProgramWindow : public fw::Window {
  public:
    // The Layout event: the menu bar, where the window has one, then the
    // window's own layout values.
    virtual void Layout() = 0;
    // The CreateControls event.
    virtual void CreateControls() { CreateControls0(); }
    // Makes the window's controls, one after the other.
    virtual void CreateControls0() = 0;

    // Whether this class handles the named event with a handler of its own.
    bool IsEventImplemented(const std::string& eventName) {
        return fw::RuntimeIsEventHandled(shared_from_this(), Record().Name(), eventName, true);
    }

    // What each window class's member list offers by name beside its
    // virtual operations.
    static std::vector<fw::MemberDecl> Members() {
        return {
            {"IsEventImplemented", fw::HandlerOf(&ProgramWindow::IsEventImplemented)},
            {"CreateControls0", fw::HandlerOf(&ProgramWindow::CreateControls0), {{"Hidden", ""}}}};
    }
};
