#pragma once

#include <QWidget>
#include <string>

#include "framework/exceptions.h"
#include "framework/rect_control.h"

namespace fw {

template <class W>
W& RectControl::WidgetAs() const {
    if (auto* widget = dynamic_cast<W*>(Widget())) {
        return *widget;
    }
    throw NilObjectException("the " + Record().Name() + " \"" + Name() +
                             "\" has no widget: it was not constructed, or its window is gone");
}

}  // namespace fw
