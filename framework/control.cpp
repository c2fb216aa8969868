#include "framework/control.h"

#include "framework/trace.h"

namespace fw {

const ClassRecord& Control::ClassInfo() {
    static const ClassRecord record({
        .name = "Control",
        .super = &Object::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .properties = {PropertyOf("Name", PropertyType::String, &Control::SetName)},
    });
    return record;
}

void Control::AddEventHandler(int index, std::shared_ptr<Delegate> delegate) {
    Deref(delegate);
    const std::optional<std::string> expected = Record().EventSignature(index);
    if (!expected) {
        throw RuntimeException("class " + Record().Name() + " has no event with index " +
                               std::to_string(index));
    }
    if (!Record().Raises(index)) {
        throw RuntimeException("event " + std::string(Record().EventAt(index)->name) + " of " +
                               Record().Name() + " is never raised: a hook on it would never run");
    }
    if (delegate->Signature() != *expected) {
        throw RuntimeException("event " + std::to_string(index) + " of " + Record().Name() +
                               " calls \"" + *expected + "\", not \"" + delegate->Signature() +
                               "\"");
    }
    hooks_[index] = std::move(delegate);
}

std::shared_ptr<Delegate> Control::EventDelegate(int index) const {
    if (auto it = hooks_.find(index); it != hooks_.end()) {
        return it->second;
    }
    return nullptr;
}

void RuntimeAddEventHandler(const std::shared_ptr<Control>& control, int eventIndex,
                            std::shared_ptr<Delegate> delegate) {
    Deref(control).AddEventHandler(eventIndex, delegate);
    Trace("AddEventHandler " + control->Name() + " " + std::to_string(eventIndex) + " " +
          delegate->Signature());
}

}  // namespace fw
