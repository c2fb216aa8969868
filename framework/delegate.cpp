#include "framework/delegate.h"

namespace fw {

const ClassRecord& Delegate::ClassInfo() {
    static const ClassRecord record(
        {.name = "Delegate", .super = &Object::ClassInfo(), .framework = true});
    return record;
}

}  // namespace fw
