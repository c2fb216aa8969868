#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "framework/object.h"

class QImage;

namespace fw {

// An image held by the runtime.
class Picture : public Object {
  public:
    explicit Picture(const QImage& image);
    ~Picture() override;

    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    int Width() const;
    int Height() const;
    const QImage& Image() const;

  private:
    std::unique_ptr<QImage> image_;
};

// The picture of that name in the application's resources, or Nil when the
// resources hold none that can be read.
std::shared_ptr<Picture> RuntimeGetPictureFromResourceManager(std::string_view name);

// Tests watch the resource manager: the observer sees every name asked for.
void SetPictureRequestObserver(std::function<void(std::string_view)> observer);

}  // namespace fw
