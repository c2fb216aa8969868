// Built into a copy of the program, nerq_failing_start, beside its own main:
// an initialiser fails, so the start goes to the unhandled-exception
// routine, and the routine, having said so on standard output, raises the
// exception once more, out of Main. What the runtime traces is printed too,
// prefixed "trace ".

#include <exception>
#include <iostream>
#include <string>

#include "framework/exceptions.h"
#include "framework/startup.h"
#include "framework/trace.h"
#include "framework/unhandled_exception.h"

namespace {

void Say(const std::string& line) {
    std::cout << line << std::endl;
}

const bool installed = [] {
    fw::SetRuntimeTrace([](const std::string& line) { Say("trace " + line); });
    fw::SetUnhandledExceptionHandler([](std::exception_ptr exception) {
        Say("unhandled " + fw::DescribeException(exception));
        std::rethrow_exception(exception);
    });
    fw::AddInitializer("failing", [] { throw fw::NilObjectException("an initialiser failed"); });
    fw::AddFinalizer("report", [] { Say("finaliser ran"); });
    return true;
}();

}  // namespace
