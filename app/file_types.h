#pragma once

#include <memory>
#include <vector>

#include "framework/file_type.h"

// The document types the application declares: a plain-text type and an
// untitled one. Nothing in the program opens or saves a file.
namespace FileTypes {

// The plain-text type, or Nil before Initialize.
std::shared_ptr<fw::FileType> Text();
// The untitled type, or Nil before Initialize.
std::shared_ptr<fw::FileType> UntitledType();
// Both, in the order they were made.
const std::vector<std::shared_ptr<fw::FileType>>& AllFileTypes();

// Builds, collects and registers both types.
void Initialize();

}  // namespace FileTypes
