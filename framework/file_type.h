#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/object.h"

namespace fw {

// A kind of document the application declares. Its conversion to a String
// registers it with the runtime, once, and gives its Name.
class FileType : public Object {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    const std::string& Extensions() const { return extensions_; }
    void SetExtensions(const std::string& value) { extensions_ = value; }
    const std::string& MacType() const { return macType_; }
    void SetMacType(const std::string& value) { macType_ = value; }
    const std::string& MacCreator() const { return macCreator_; }
    void SetMacCreator(const std::string& value) { macCreator_ = value; }
    const std::string& MimeType() const { return mimeType_; }
    void SetMimeType(const std::string& value) { mimeType_ = value; }
    bool Imported() const { return imported_; }
    void SetImported(bool value) { imported_ = value; }
    const std::string& ConformsTo() const { return conformsTo_; }
    void SetConformsTo(const std::string& value) { conformsTo_ = value; }
    const std::string& UTI() const { return uti_; }

    // Registers the type if it is not registered yet; gives its Name.
    std::string Operator_Convert();

  private:
    std::string name_, extensions_, macType_, macCreator_, mimeType_, conformsTo_, uti_;
    bool imported_ = false;
    bool registered_ = false;
};

// Every file type registered so far, in registration order.
std::vector<std::shared_ptr<FileType>> RegisteredFileTypes();

}  // namespace fw
