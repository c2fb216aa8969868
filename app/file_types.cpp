#include "app/file_types.h"

#include "framework/startup.h"

namespace FileTypes {
namespace {

std::shared_ptr<fw::FileType> pText;
std::shared_ptr<fw::FileType> pUntitledType;
std::vector<std::shared_ptr<fw::FileType>> pAllFileTypes;

// The array starts empty at every start of the runtime's initialisers.
const bool registered = [] {
    fw::AddInitializer("FileTypes.pAllFileTypes", [] { pAllFileTypes.clear(); });
    return true;
}();

void Describe(fw::FileType& type, const std::string& name, const std::string& macType,
              const std::string& macCreator) {
    type.SetName(name);
    type.SetExtensions("");
    type.SetMacType(macType);
    type.SetMacCreator(macCreator);
    type.SetMimeType("");
    type.SetImported(true);
    type.SetConformsTo("");
}

}  // namespace

std::shared_ptr<fw::FileType> Text() {
    return pText;
}
std::shared_ptr<fw::FileType> UntitledType() {
    return pUntitledType;
}
const std::vector<std::shared_ptr<fw::FileType>>& AllFileTypes() {
    return pAllFileTypes;
}

void Initialize() {
    (void)registered;
    // Each step goes through the type just made, which is never Nil here; the
    // checks stand for the module properties that a failed step leaves empty.
    pText = fw::RuntimeNewObject<fw::FileType>();
    Describe(fw::Deref(pText), "text", "TEXT", "R*ch");
    pAllFileTypes.push_back(pText);
    fw::Deref(Text()).Operator_Convert();

    pUntitledType = fw::RuntimeNewObject<fw::FileType>();
    Describe(fw::Deref(pUntitledType), "", "", "");
    pAllFileTypes.push_back(pUntitledType);
    fw::Deref(UntitledType()).Operator_Convert();
}

}  // namespace FileTypes
