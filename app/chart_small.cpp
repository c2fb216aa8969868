#include "app/chart_small.h"

namespace x_ChartSmall {
namespace {

std::shared_ptr<fw::Picture> cache;

}  // namespace

std::shared_ptr<fw::Picture> ChartSmall() {
    if (!cache) {
        cache = fw::RuntimeGetPictureFromResourceManager("ChartSmall.jpg");
    }
    return cache;
}

}  // namespace x_ChartSmall
