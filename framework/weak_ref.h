#pragma once

#include <memory>

#include "framework/object.h"

namespace fw {

// A reference that does not keep its object alive.
class WeakRef : public Object {
  public:
    explicit WeakRef(const std::shared_ptr<Object>& object) : object_(object) {}

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    // The object, or Nil once it is gone.
    std::shared_ptr<Object> Value() const { return object_.lock(); }

  private:
    std::weak_ptr<Object> object_;
};

}  // namespace fw
