#include "framework/object.h"

#include "framework/trace.h"

namespace fw {

const ClassRecord& Object::ClassInfo() {
    static const ClassRecord record({.name = "Object", .framework = true});
    return record;
}

}  // namespace fw

namespace fw {

std::optional<PropertyValue> Object::StoredProperty(const std::string& name) const {
    if (auto it = stored_.find(name); it != stored_.end()) {
        return it->second;
    }
    return std::nullopt;
}

void Object::Store(const std::string& name, PropertyValue value) {
    stored_[name] = std::move(value);
}

PropertyDecl KeptProperty(std::string name, PropertyType type) {
    std::string key = name;
    return {std::move(name), type,
            [key](Object& object, const PropertyValue& value) { object.Store(key, value); }};
}

}  // namespace fw

namespace fw {

std::any Object::RaiseClassEvent(std::string_view event, const std::vector<std::any>& args) {
    const ClassRecord& record = Record();
    if (!record.IsClassEvent(event)) {
        throw RuntimeException("class " + record.Name() + " raises no event " + std::string(event));
    }
    const EventHandler* handler = record.Handler(event);
    if (!handler) {
        return {};
    }
    try {
        return (*handler)(*this, args);
    } catch (const EventArgumentMismatch&) {
        throw RuntimeException("the handler of event " + std::string(event) + " of " +
                               record.Name() + " takes other arguments than the event gives");
    }
}

bool Object::RaiseBooleanEvent(std::string_view event, const std::vector<std::any>& args) {
    const std::any result = RaiseClassEvent(event, args);
    if (!result.has_value()) {
        return false;
    }
    if (const bool* value = std::any_cast<bool>(&result)) {
        return *value;
    }
    throw RuntimeException("the handler of event " + std::string(event) + " of " + Record().Name() +
                           " gives no Boolean");
}

bool RuntimeIsEventHandled(const std::shared_ptr<Object>& object, std::string_view className,
                           std::string_view event, bool own) {
    const ClassRecord* record = Deref(object).Record().Find(className);
    if (!record) {
        throw RuntimeException("an object of class " + object->Record().Name() + " is not a " +
                               std::string(className));
    }
    return own ? record->OwnHandler(event) != nullptr : record->Handler(event) != nullptr;
}

}  // namespace fw

namespace fw {
namespace {

std::function<void(const ClassRecord&)>& CreationObserver() {
    static std::function<void(const ClassRecord&)> observer;
    return observer;
}

}  // namespace

void SetObjectCreationObserver(std::function<void(const ClassRecord&)> observer) {
    CreationObserver() = std::move(observer);
}

void NotifyObjectCreation(const ClassRecord& record) {
    Trace("New " + record.Name());
    if (CreationObserver()) {
        CreationObserver()(record);
    }
}

}  // namespace fw
