#include "framework/file_type.h"

#include "framework/trace.h"

namespace fw {
namespace {

std::vector<std::weak_ptr<FileType>>& Registry() {
    static std::vector<std::weak_ptr<FileType>> registry;
    return registry;
}

}  // namespace

const ClassRecord& FileType::ClassInfo() {
    static const ClassRecord record(
        {.name = "FileType", .super = &Object::ClassInfo(), .framework = true});
    return record;
}

std::string FileType::Operator_Convert() {
    if (!registered_) {
        Trace("FileType.Register " + name_);
        Registry().push_back(std::static_pointer_cast<FileType>(shared_from_this()));
        registered_ = true;
    }
    return name_;
}

std::vector<std::shared_ptr<FileType>> RegisteredFileTypes() {
    std::vector<std::shared_ptr<FileType>> types;
    for (const auto& entry : Registry()) {
        if (auto type = entry.lock()) {
            types.push_back(type);
        }
    }
    return types;
}

}  // namespace fw
