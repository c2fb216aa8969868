#include "framework/guard.h"

#include <utility>

#include "framework/unhandled_exception.h"

namespace fw {
namespace {

int collectors = 0;
std::exception_ptr pending;

}  // namespace

void Guard(const std::function<void()>& body) noexcept {
    try {
        body();
    } catch (...) {
        if (collectors > 0 && !pending) {
            pending = std::current_exception();
        } else {
            UnhandledException(std::current_exception());
        }
    }
}

void CallQt(const std::function<void()>& call) {
    ++collectors;
    try {
        call();
    } catch (...) {
        --collectors;
        throw;
    }
    --collectors;
    if (pending) {
        std::exception_ptr raised = std::exchange(pending, nullptr);
        std::rethrow_exception(raised);
    }
}

}  // namespace fw
