#pragma once

#include <exception>
#include <functional>

namespace fw {

// Every call from Qt into the system's code passes here, so Qt never sees a
// C++ exception. An exception that escapes goes back to the framework call
// that set off this callback, when there is one (see CallQt); otherwise to
// the unhandled-exception routine.
void Guard(const std::function<void()>& body) noexcept;

template <class R>
R GuardOr(R fallback, const std::function<R()>& body) noexcept {
    R result = fallback;
    Guard([&] { result = body(); });
    return result;
}

// Calls Qt from framework code where Qt may call straight back into the
// system (setting a text runs its TextChange hook before it returns): an
// exception raised in that callback comes out of here, as if the hook had
// been called directly.
void CallQt(const std::function<void()>& call);

}  // namespace fw
