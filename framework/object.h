#pragma once

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "framework/exceptions.h"
#include "framework/property.h"

namespace fw {

class ClassRecord;

// Every runtime object: reference counted through std::shared_ptr, Nil being
// an empty pointer, and carrying the record of its class.
class Object : public std::enable_shared_from_this<Object> {
  public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    static const ClassRecord& ClassInfo();
    virtual const ClassRecord& Record() const { return ClassInfo(); }

    // Properties that the runtime keeps for the object without acting on
    // them (data binding names, platform-only flags), as last set.
    std::optional<PropertyValue> StoredProperty(const std::string& name) const;
    void Store(const std::string& name, PropertyValue value);

    // Runs the handler that the object's class has for one of its class
    // events (Activate, KeyDown, EnableMenuItems, ...): the handler's result,
    // or an empty value when the class does not handle the event. An event
    // that the class does not raise, or a handler that takes other arguments,
    // is a RuntimeException naming the event.
    std::any RaiseClassEvent(std::string_view event, const std::vector<std::any>& args = {});
    // The same for an event whose handler returns a Boolean: false when the
    // class does not handle it.
    bool RaiseBooleanEvent(std::string_view event, const std::vector<std::any>& args = {});

  private:
    std::map<std::string, PropertyValue> stored_;
};

struct PropertyDecl;
// A declared property that the object only keeps (see Object::Store).
PropertyDecl KeptProperty(std::string name, PropertyType type);

// The object behind a reference, or NilObjectException for Nil; keeps call
// sites that must not touch Nil to one expression.
template <class T>
T& Deref(const std::shared_ptr<T>& object) {
    if (!object) {
        throw NilObjectException("Nil object used");
    }
    return *object;
}

// A new object of a class, not yet constructed as a runtime object: its
// Constructor is run separately, as the runtime's object creation does.
template <class T>
std::shared_ptr<T> RuntimeNewObject();

// Tests watch (and can fail) object creation: the observer sees the class of
// every object that RuntimeNewObject makes, before it is made, and may throw.
void SetObjectCreationObserver(std::function<void(const ClassRecord&)> observer);
void NotifyObjectCreation(const ClassRecord& record);

// Whether the class named `className` in the object's class chain handles
// `event`; `own` asks for that class's own handlers, else for any in its chain.
bool RuntimeIsEventHandled(const std::shared_ptr<Object>& object, std::string_view className,
                           std::string_view event, bool own);

// The class check: the same object as T, Nil for Nil, IllegalCastException
// when the object is of another class.
template <class T>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<Object>& object);

}  // namespace fw

#include "framework/class_record.h"

namespace fw {

template <class T>
std::shared_ptr<T> RuntimeNewObject() {
    NotifyObjectCreation(T::ClassInfo());
    return std::make_shared<T>();
}

template <class T>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<Object>& object) {
    if (!object) {
        return nullptr;
    }
    // Most checks are of an object of exactly class T, which typeid tells
    // without dynamic_cast's walk through the class tree.
    if (typeid(*object) == typeid(T)) {
        return std::static_pointer_cast<T>(object);
    }
    if (auto cast = std::dynamic_pointer_cast<T>(object)) {
        return cast;
    }
    throw IllegalCastException("an object of class " + object->Record().Name() + " is not a " +
                               T::ClassInfo().Name());
}

}  // namespace fw
