#include "framework/color_value.h"

#include <QColor>

namespace fw {

QColor ToQColor(const Color& color) {
    return QColor(color.red, color.green, color.blue, 255 - color.transparency);
}

}  // namespace fw
