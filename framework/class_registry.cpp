#include "framework/class_registry.h"

#include <map>
#include <string>

#include "framework/startup.h"
#include "framework/trace.h"

namespace fw {
namespace {

std::map<std::string, const ClassRecord*, std::less<>>& Registry() {
    static std::map<std::string, const ClassRecord*, std::less<>> registry;
    return registry;
}

}  // namespace

void RuntimeRegisterClass(const ClassRecord& record) {
    Trace("RuntimeRegisterClass " + record.Name());
    Registry()[record.Name()] = &record;
}

const ClassRecord* RegisteredClass(std::string_view name) {
    const auto it = Registry().find(name);
    return it == Registry().end() ? nullptr : it->second;
}

bool AddClassInitializer(const ClassRecord& (*classInfo)()) {
    AddInitializer("class initialiser", [classInfo] { RuntimeRegisterClass(classInfo()); });
    return true;
}

}  // namespace fw
