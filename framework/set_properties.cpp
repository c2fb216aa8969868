#include "framework/set_properties.h"

#include "framework/property_stream.h"
#include "framework/rect_control.h"

namespace fw {

void SetProperties(const std::shared_ptr<Object>& object, std::string_view stream) {
    Object& target = Deref(object);
    const ClassRecord& record = target.Record();
    if (const auto* control = dynamic_cast<const RectControl*>(&target);
        control && !control->Widget()) {
        throw RuntimeException("the " + record.Name() +
                               " is not constructed yet: its Constructor has not run");
    }
    const std::vector<PropertyEntry> entries =
        ReadPropertyStream(stream, [&record](std::string_view key) -> std::optional<PropertyType> {
            if (const PropertyDecl* property = record.FindProperty(key)) {
                return property->type;
            }
            return std::nullopt;
        });
    for (const PropertyEntry& entry : entries) {
        const PropertyDecl* property = record.FindProperty(entry.key);
        try {
            property->set(target, entry.value);
        } catch (const RuntimeException& e) {
            throw RuntimeException("property \"" + entry.key + "\" at byte " +
                                   std::to_string(entry.offset) + " of a " + record.Name() +
                                   " stream: " + e.Message());
        }
    }
}

}  // namespace fw
