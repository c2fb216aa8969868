#include "framework/weak_ref.h"

namespace fw {

const ClassRecord& WeakRef::ClassInfo() {
    static const ClassRecord record(
        {.name = "WeakRef", .super = &Object::ClassInfo(), .framework = true});
    return record;
}

}  // namespace fw
