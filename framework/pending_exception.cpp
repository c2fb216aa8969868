#include "framework/pending_exception.h"

#include <utility>

namespace fw {
namespace {

std::exception_ptr& Pending() {
    static std::exception_ptr pending;
    return pending;
}

}  // namespace

std::exception_ptr TakePendingException() {
    return std::exchange(Pending(), nullptr);
}

bool HasPendingException() {
    return static_cast<bool>(Pending());
}

void SetPendingException(std::exception_ptr exception) {
    Pending() = std::move(exception);
}

}  // namespace fw
