#pragma once

#include <map>
#include <string>
#include <utility>
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

    // The record of a window class of the program, known by its full name:
    // a Window whose Layout and CreateControls events run the members above,
    // with the class's other event handlers, and whose member list offers
    // IsEventImplemented by name and CreateControls0 as hidden.
    static fw::ClassRecord::Spec WindowClass(std::string name,
                                             std::map<std::string, fw::EventHandler> handlers) {
        handlers.emplace("CreateControls", fw::HandlerOf(&ProgramWindow::CreateControls));
        handlers.emplace("Layout", fw::HandlerOf(&ProgramWindow::Layout));
        return {
            .name = std::move(name),
            .super = &fw::Window::ClassInfo(),
            .handlers = std::move(handlers),
            .members = {{"IsEventImplemented", fw::HandlerOf(&ProgramWindow::IsEventImplemented)},
                        {"CreateControls0",
                         fw::HandlerOf(&ProgramWindow::CreateControls0),
                         {{"Hidden", ""}}}},
        };
    }
};
