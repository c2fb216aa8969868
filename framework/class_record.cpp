#include "framework/class_record.h"

#include <cctype>

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

int ClassRecord::EventCount() const {
    return static_cast<int>(spec_.events.size()) + (Super() ? Super()->EventCount() : 0);
}

const EventDecl* ClassRecord::EventAt(int index) const {
    const int base = Super() ? Super()->EventCount() : 0;
    if (index >= base && index < base + static_cast<int>(spec_.events.size())) {
        return &spec_.events[static_cast<std::size_t>(index - base)];
    }
    return (Super() && index >= 0) ? Super()->EventAt(index) : nullptr;
}

std::optional<std::string> ClassRecord::EventSignature(int index) const {
    const EventDecl* event = EventAt(index);
    if (!event) {
        return std::nullopt;
    }
    std::string signature = event->signature;
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
