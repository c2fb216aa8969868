#include "framework/picture.h"

#include <QImage>

namespace fw {
namespace {

std::function<void(std::string_view)>& RequestObserver() {
    static std::function<void(std::string_view)> observer;
    return observer;
}

}  // namespace

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}

Picture::~Picture() = default;

const ClassRecord& Picture::ClassInfo() {
    static const ClassRecord record(
        {.name = "Picture", .super = &Object::ClassInfo(), .framework = true});
    return record;
}

int Picture::Width() const {
    return image_->width();
}
int Picture::Height() const {
    return image_->height();
}
const QImage& Picture::Image() const {
    return *image_;
}

void SetPictureRequestObserver(std::function<void(std::string_view)> observer) {
    RequestObserver() = std::move(observer);
}

std::shared_ptr<Picture> RuntimeGetPictureFromResourceManager(std::string_view name) {
    if (RequestObserver()) {
        RequestObserver()(name);
    }
    // Resource names are plain file names; a path could reach outside them.
    if (name.empty() || name.find('/') != std::string_view::npos ||
        name.find('\\') != std::string_view::npos) {
        return nullptr;
    }
    QImage image(":/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_shared<Picture>(image);
}

}  // namespace fw
