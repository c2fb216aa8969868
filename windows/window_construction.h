#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/control.h"
#include "framework/delegate.h"
#include "framework/object.h"
#include "framework/set_properties.h"
#include "framework/window.h"

// The steps by which every window of the program makes its controls, in the
// same order for each control: create it, add it to the window under its
// name, look it up by that name, set what is set in code, apply its stored
// layout values; its hooks are attached afterwards (HookEvent), so that the
// layout values run none of the window's handlers.

// The window accessors' one pattern: the open window of the class T, found
// by the full name its record gives, shown or hidden, or else a new one,
// built (it shows itself when its layout says Visible). The accessor keeps no
// reference: the runtime holds an open window and finds it by its class name.
template <class T>
std::shared_ptr<T> ImplicitWindowOf() {
    std::shared_ptr<fw::Window> window = fw::GetImplicitWindow(T::ClassInfo().Name());
    if (!window) {
        std::shared_ptr<T> created = fw::RuntimeNewObject<T>();
        created->Constructor();
        window = created;
    }
    return fw::RuntimeCheckCast<T>(window);
}

// Looks a control up by name and checks its class; Nil when there is none.
// A view: the accessors look their literal names up on every call.
template <class T>
std::shared_ptr<T> ControlOf(fw::Window& window, std::string_view name) {
    return fw::RuntimeCheckCast<T>(window.ControlByName(name));
}

// T is the class made; Checked the class the control is checked against
// when it is looked up again.
template <class T, class Checked = T>
void MakeControl(fw::Window& window, const std::string& name, const std::string& stream,
                 const std::type_identity_t<std::function<void(Checked&)>>& setInCode = {}) {
    {
        std::shared_ptr<T> created = window.New<T>();
        created->Constructor();
        window.AddControl(name, created);
    }
    std::shared_ptr<Checked> control = ControlOf<Checked>(window, name);
    if (setInCode) {
        setInCode(fw::Deref(control));
        control = ControlOf<Checked>(window, name);
    }
    fw::SetProperties(control, stream);
}

// Binds `method` of the window to event `eventIndex` of its control `name`.
template <class W, class C, class R, class... A>
void HookEvent(W& window, const std::string& name, int eventIndex, R (W::*method)(A...),
               const std::string& signature) {
    const std::shared_ptr<C> control = ControlOf<C>(window, name);
    const auto target = std::static_pointer_cast<W>(window.shared_from_this());
    fw::RuntimeAddEventHandler(control, eventIndex,
                               fw::RuntimeCreateDelegate(method, target, signature));
}
