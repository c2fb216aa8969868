#include "framework/guard.h"

#include <QScopedValueRollback>

#include "framework/pending_exception.h"
#include "framework/unhandled_exception.h"

namespace fw {
namespace {

// How many CallQt calls are running: an exception that a callback raises
// inside one is kept pending for it to throw on.
int collectors = 0;

}  // namespace

void Guard(const std::function<void()>& body) noexcept {
    try {
        body();
    } catch (...) {
        if (collectors > 0 && !HasPendingException()) {
            SetPendingException(std::current_exception());
        } else {
            UnhandledException(std::current_exception());
        }
    }
}

void CallQt(const std::function<void()>& call) {
    {
        const QScopedValueRollback<int> collecting(collectors, collectors + 1);
        call();
    }
    if (std::exception_ptr raised = TakePendingException()) {
        std::rethrow_exception(raised);
    }
}

}  // namespace fw
