#pragma once

#include <algorithm>
#include <any>
#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
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
    std::string_view name;
    std::string_view signature;
};

// A class's whole event table, its superclasses' events first, so that an
// event's index is its place in the table.
template <std::size_t N>
using EventTable = std::array<EventDecl, N>;

// One table after the other.
template <std::size_t... N>
constexpr auto Events(const EventTable<N>&... parts) {
    EventTable<(N + ... + 0)> table{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), table.begin() + at), at += N), ...);
    return table;
}

// The index of the event named `name`. A constant declared with a name that
// the table lacks does not compile.
template <std::size_t N>
constexpr int EventIndex(const EventTable<N>& table, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].name == name) {
            return static_cast<int>(i);
        }
    }
    throw std::invalid_argument("no event of that name in the table");
}

// A member that the class's member list offers by name (beyond its virtual
// operations), with the attributes it carries ("Hidden").
struct MemberDecl {
    std::string name;
    EventHandler call = {};
    std::vector<std::pair<std::string, std::string>> attributes = {};
};

// What the runtime knows of a class: its name, its superclass, its event
// table and which of those events the runtime raises, the properties it
// declares, the class events it raises (framework classes) or handles with
// handlers of its own, and its member list.
class ClassRecord {
  public:
    struct Spec {
        std::string name = {};
        const ClassRecord* super = nullptr;
        bool framework = false;
        // The whole table; a class that declares none has its superclass's.
        std::span<const EventDecl> events = {};
        // The indices of the events that the runtime raises for this class:
        // only those take hooks.
        std::vector<int> raised = {};
        // The class events that a framework class raises, by name.
        std::vector<std::string_view> classEvents = {};
        std::vector<PropertyDecl> properties = {};
        std::map<std::string, EventHandler> handlers = {};
        std::vector<MemberDecl> members = {};
    };
    // Refuses a handler of a class event that no class of the chain raises.
    explicit ClassRecord(Spec spec);

    const std::string& Name() const { return spec_.name; }
    const ClassRecord* Super() const { return spec_.super; }
    bool IsFrameworkClass() const { return spec_.framework; }
    // The nearest framework class in the chain (the class itself for one).
    const ClassRecord& FrameworkClass() const;
    bool IsA(const ClassRecord& other) const;
    // The record in this chain named `name`, or null.
    const ClassRecord* Find(std::string_view name) const;

    // The event at `index` in the class's table, or null.
    const EventDecl* EventAt(int index) const;
    // Whether the runtime raises event `index` for objects of this class.
    bool Raises(int index) const;
    // The signature text a delegate must carry to serve event `index`.
    std::optional<std::string> EventSignature(int index) const;

    // A declared property, letter case aside, searched from this class up.
    const PropertyDecl* FindProperty(std::string_view key) const;

    // Whether some class of the chain raises the class event `event`.
    bool IsClassEvent(std::string_view event) const;
    // This class's own handler of a class event, letter case aside.
    const EventHandler* OwnHandler(std::string_view event) const;
    // The handler that runs for a class event: the nearest in the chain.
    const EventHandler* Handler(std::string_view event) const;

    // A member of the class's member list, searched from this class up.
    const MemberDecl* Member(std::string_view name) const;

  private:
    // The nearest record of the chain that declares an event table.
    const ClassRecord* EventClass() const;

    Spec spec_;
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// A class event's arguments or object of another type than its handler
// takes; Object::RaiseClassEvent turns it into a RuntimeException that names
// the event.
struct EventArgumentMismatch {};

template <class T>
T ArgumentAs(const EventArgs& args, std::size_t index) {
    if (index >= args.size()) {
        throw EventArgumentMismatch{};
    }
    const auto* value = std::any_cast<T>(&args[index]);
    if (!value) {
        throw EventArgumentMismatch{};
    }
    return *value;
}

// Builds the handler entry of a class event from a member function. The
// object and every argument are checked before the method runs, so that a
// failure inside the method is never taken for a mismatch.
template <class C, class R, class... A, std::size_t... I>
std::any CallWithArgs(Object& self, R (C::*method)(A...), const EventArgs& args,
                      std::index_sequence<I...>) {
    auto* object = dynamic_cast<C*>(&self);
    if (!object) {
        throw EventArgumentMismatch{};
    }
    std::tuple<std::decay_t<A>...> unpacked{ArgumentAs<std::decay_t<A>>(args, I)...};
    if constexpr (std::is_void_v<R>) {
        (object->*method)(std::move(std::get<I>(unpacked))...);
        return {};
    } else {
        return std::any((object->*method)(std::move(std::get<I>(unpacked))...));
    }
}

template <class C, class R, class... A>
EventHandler HandlerOf(R (C::*method)(A...)) {
    return [method](Object& self, const EventArgs& args) -> std::any {
        return CallWithArgs(self, method, args, std::index_sequence_for<A...>{});
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
