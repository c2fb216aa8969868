#pragma once

#include "framework/property.h"

class QColor;

namespace fw {

// The Qt colour of a stored colour (see Color for the byte order).
QColor ToQColor(const Color& color);

}  // namespace fw
