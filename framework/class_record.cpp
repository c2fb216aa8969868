#include "framework/class_record.h"

#include <cctype>

#include "framework/exceptions.h"

namespace fw {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

const ClassRecord& ClassRecord::FrameworkClass() const {
    const ClassRecord* record = this;
    while (!record->IsFrameworkClass() && record->Super()) {
        record = record->Super();
    }
    return *record;
}

bool ClassRecord::IsA(const ClassRecord& other) const {
    for (const ClassRecord* record = this; record; record = record->Super()) {
        if (record == &other) {
            return true;
        }
    }
    return false;
}

const ClassRecord* ClassRecord::Find(std::string_view name) const {
    for (const ClassRecord* record = this; record; record = record->Super()) {
        if (record->Name() == name) {
            return record;
        }
    }
    return nullptr;
}

const ClassRecord* ClassRecord::EventClass() const {
    for (const ClassRecord* record = this; record; record = record->Super()) {
        if (!record->spec_.events.empty()) {
            return record;
        }
    }
    return nullptr;
}

const EventDecl* ClassRecord::EventAt(int index) const {
    const ClassRecord* owner = EventClass();
    if (!owner || index < 0 || static_cast<std::size_t>(index) >= owner->spec_.events.size()) {
        return nullptr;
    }
    return &owner->spec_.events[static_cast<std::size_t>(index)];
}

bool ClassRecord::Raises(int index) const {
    const ClassRecord* owner = EventClass();
    return owner && std::find(owner->spec_.raised.begin(), owner->spec_.raised.end(), index) !=
                        owner->spec_.raised.end();
}

std::optional<std::string> ClassRecord::EventSignature(int index) const {
    const EventDecl* event = EventAt(index);
    if (!event) {
        return std::nullopt;
    }
    std::string signature(event->signature);
    const std::string placeholder = "{class}";
    if (auto at = signature.find(placeholder); at != std::string::npos) {
        signature.replace(at, placeholder.size(), FrameworkClass().Name());
    }
    return signature;
}

const PropertyDecl* ClassRecord::FindProperty(std::string_view key) const {
    for (const ClassRecord* record = this; record; record = record->Super()) {
        for (const PropertyDecl& property : record->spec_.properties) {
            if (EqualsIgnoringCase(property.name, key)) {
                return &property;
            }
        }
    }
    return nullptr;
}

ClassRecord::ClassRecord(Spec spec) : spec_(std::move(spec)) {
    for (const auto& [event, handler] : spec_.handlers) {
        if (!IsClassEvent(event)) {
            throw RuntimeException("class " + spec_.name + " handles \"" + event +
                                   "\", which no class it is raises");
        }
    }
}

bool ClassRecord::IsClassEvent(std::string_view event) const {
    for (const ClassRecord* record = this; record; record = record->Super()) {
        for (std::string_view raised : record->spec_.classEvents) {
            if (EqualsIgnoringCase(raised, event)) {
                return true;
            }
        }
    }
    return false;
}

const MemberDecl* ClassRecord::Member(std::string_view name) const {
    for (const ClassRecord* record = this; record; record = record->Super()) {
        for (const MemberDecl& member : record->spec_.members) {
            if (member.name == name) {
                return &member;
            }
        }
    }
    return nullptr;
}

const EventHandler* ClassRecord::OwnHandler(std::string_view event) const {
    for (const auto& [name, handler] : spec_.handlers) {
        if (EqualsIgnoringCase(name, event)) {
            return &handler;
        }
    }
    return nullptr;
}

const EventHandler* ClassRecord::Handler(std::string_view event) const {
    for (const ClassRecord* record = this; record; record = record->Super()) {
        if (const EventHandler* handler = record->OwnHandler(event)) {
            return handler;
        }
    }
    return nullptr;
}

}  // namespace fw
