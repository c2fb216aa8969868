#include "framework/picture.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

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
    // Read from the opened file, not by file name: by name Qt would also try
    // the name with image suffixes added, so "ChartSmall" would find
    // "ChartSmall.jpg".
    QFile file(":/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    QImageReader reader(&file);
    const QImage image = reader.read();
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_shared<Picture>(image);
}

}  // namespace fw
