#pragma once

#include <string_view>

#include "framework/class_record.h"

namespace fw {

// The program's classes that the runtime knows by their full name (a window
// class's implicit instance is looked up through it).
void RuntimeRegisterClass(const ClassRecord& record);
// The registered class of that name, or null.
const ClassRecord* RegisteredClass(std::string_view name);

// Adds the class initialiser that registers a class to the table run before
// the main routine; for a static initialiser of the class's own file.
bool AddClassInitializer(const ClassRecord& (*classInfo)());

}  // namespace fw
