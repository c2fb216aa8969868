#pragma once

#include <exception>
#include <functional>
#include <string>

namespace fw {

// The runtime's last resort for an exception that no system code took: it
// names the exception's class and message on standard error, shows them in a
// message box when there is a display, both under the application's name,
// and makes the process end with a non-zero exit code. A DisplayException is
// a start that the platform cannot carry: it gets one line, "cannot start:"
// and the reason, and the start-up failure code.
void UnhandledException(std::exception_ptr exception);

// Tests replace the routine to see what reached it; an empty function puts
// the standard routine back.
void SetUnhandledExceptionHandler(std::function<void(std::exception_ptr)> handler);

// "NilObjectException: the message", for any exception.
std::string DescribeException(std::exception_ptr exception);

}  // namespace fw
