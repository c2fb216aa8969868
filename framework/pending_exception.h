#pragma once

#include <exception>

namespace fw {

// The runtime's one pending exception: raised where it could not be thrown
// on (an initialiser, a callback from Qt inside a framework call) and kept
// until some code takes it.
std::exception_ptr TakePendingException();
bool HasPendingException();
void SetPendingException(std::exception_ptr exception);

}  // namespace fw
