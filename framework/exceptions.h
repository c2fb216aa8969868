#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace fw {

// The root of the runtime's exceptions. A failing step throws one; callers
// let it unwind, and only the start-up routine and the guarded call catch it.
class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
    virtual std::string ClassName() const { return "RuntimeException"; }
    // A copy of the same dynamic class, so a caught exception can be handed on as an object.
    virtual std::shared_ptr<RuntimeException> Clone() const {
        return std::make_shared<RuntimeException>(*this);
    }
};

#define FW_RUNTIME_EXCEPTION(Name)                                               \
    class Name : public RuntimeException {                                       \
      public:                                                                    \
        explicit Name(const std::string& message) : RuntimeException(message) {} \
        std::string ClassName() const override { return #Name; }                 \
        std::shared_ptr<RuntimeException> Clone() const override {               \
            return std::make_shared<Name>(*this);                                \
        }                                                                        \
    }

// Use of a Nil object.
FW_RUNTIME_EXCEPTION(NilObjectException);
// The class check found an object of another class.
FW_RUNTIME_EXCEPTION(IllegalCastException);
// A window operation was called off the GUI thread.
FW_RUNTIME_EXCEPTION(ThreadAccessingUIException);
// The platform that the runtime came up on cannot show its windows: the
// start goes no further.
FW_RUNTIME_EXCEPTION(DisplayException);

#undef FW_RUNTIME_EXCEPTION

}  // namespace fw
