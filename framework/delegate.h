#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "framework/exceptions.h"
#include "framework/object.h"

namespace fw {

// A callable with the signature text it was made for ("( TextField )",
// "(  ) as Boolean", ...). An instance delegate holds its target weakly: the
// window that owns a control must not be kept alive by the control's hooks,
// and a delegate whose target is gone raises NilObjectException.
class Delegate : public Object {
  public:
    Delegate(std::string signature, std::any function)
        : signature_(std::move(signature)), function_(std::move(function)) {}

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    const std::string& Signature() const { return signature_; }

    // Calls the delegate with exactly the argument types it was made with;
    // any other call is a RuntimeException rather than undefined behaviour.
    template <class R, class... A>
    R Invoke(A... args) const {
        const auto* function = std::any_cast<std::function<R(A...)>>(&function_);
        if (!function) {
            throw RuntimeException("a delegate of signature \"" + signature_ +
                                   "\" was called with another signature");
        }
        return (*function)(std::move(args)...);
    }

  private:
    std::string signature_;
    std::any function_;
};

// A delegate over a method of a target object.
template <class Target, class R, class... A>
std::shared_ptr<Delegate> RuntimeCreateDelegate(R (Target::*method)(A...),
                                                const std::shared_ptr<Target>& target,
                                                std::string signature) {
    std::weak_ptr<Target> weak = target;
    std::function<R(std::decay_t<A>...)> call = [method, weak](std::decay_t<A>... args) -> R {
        const std::shared_ptr<Target> self = weak.lock();
        if (!self) {
            throw NilObjectException("the target of a delegate is Nil");
        }
        return ((*self).*method)(std::move(args)...);
    };
    return std::make_shared<Delegate>(std::move(signature), std::move(call));
}

// A delegate over a plain function, without target.
template <class R, class... A>
std::shared_ptr<Delegate> RuntimeCreateDelegate(std::function<R(A...)> function,
                                                std::string signature) {
    return std::make_shared<Delegate>(std::move(signature), std::move(function));
}

}  // namespace fw
