#pragma once

#include <any>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/property.h"

namespace fw {

class Object;

// The arguments of a class event and its result (empty, or a bool).
using EventArgs = std::vector<std::any>;
using EventHandler = std::function<std::any(Object& self, const EventArgs& args)>;

// A property that a class declares: its name, the type that gives its width
// in a property stream, and how a value reaches the object.
struct PropertyDecl {
    std::string name;
    PropertyType type;
    std::function<void(Object&, const PropertyValue&)> set;
};

// An event in a control class's event table. The signature text names the
// control class as "{class}", filled in with the framework class that raises it.
struct EventDecl {
    std::string name;
    std::string signature;
};

// What the runtime knows of a class: its name, its superclass, the events of
// its own event table (indices continue those of the superclasses), the
// properties it declares and the class events it implements with handlers of
// its own.
class ClassRecord {
  public:
    struct Spec {
        std::string name = {};
        const ClassRecord* super = nullptr;
        bool framework = false;
        std::vector<EventDecl> events = {};
        std::vector<PropertyDecl> properties = {};
        std::map<std::string, EventHandler> handlers = {};
    };
    explicit ClassRecord(Spec spec) : spec_(std::move(spec)) {}

    const std::string& Name() const { return spec_.name; }
    const ClassRecord* Super() const { return spec_.super; }
    bool IsFrameworkClass() const { return spec_.framework; }
    // The nearest framework class in the chain (the class itself for one).
    const ClassRecord& FrameworkClass() const;
    bool IsA(const ClassRecord& other) const;
    // The record in this chain named `name`, or null.
    const ClassRecord* Find(std::string_view name) const;

    // Event table, counted through the superclasses.
    int EventCount() const;
    const EventDecl* EventAt(int index) const;
    // The signature text a delegate must carry to serve event `index`.
    std::optional<std::string> EventSignature(int index) const;

    // A declared property, letter case aside, searched from this class up.
    const PropertyDecl* FindProperty(std::string_view key) const;

    // This class's own handler of a class event, letter case aside.
    const EventHandler* OwnHandler(std::string_view event) const;
    // The handler that runs for a class event: the nearest in the chain.
    const EventHandler* Handler(std::string_view event) const;

  private:
    Spec spec_;
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Builds the handler entry of a class event from a member function.
template <class C, class R, class... A, std::size_t... I>
std::any CallWithArgs(C& self, R (C::*method)(A...), const EventArgs& args,
                      std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) {
        (self.*method)(std::any_cast<std::decay_t<A>>(args.at(I))...);
        return {};
    } else {
        return std::any((self.*method)(std::any_cast<std::decay_t<A>>(args.at(I))...));
    }
}

template <class C, class R, class... A>
EventHandler HandlerOf(R (C::*method)(A...)) {
    return [method](Object& self, const EventArgs& args) -> std::any {
        return CallWithArgs(dynamic_cast<C&>(self), method, args, std::index_sequence_for<A...>{});
    };
}

// Builds a property declaration from a setter member function.
template <class C, class V>
PropertyDecl PropertyOf(std::string name, PropertyType type, void (C::*setter)(V)) {
    return {std::move(name), type, [setter](Object& object, const PropertyValue& value) {
                (dynamic_cast<C&>(object).*setter)(std::get<std::decay_t<V>>(value));
            }};
}

}  // namespace fw
