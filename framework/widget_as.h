#pragma once

#include <QWidget>
#include <string>
#include <typeinfo>

#include "framework/exceptions.h"
#include "framework/rect_control.h"

namespace fw {

template <class W>
W& RectControl::WidgetAs() const {
    QWidget* shown = Widget();
    // Every use of a control passes here, and its widget is nearly always of
    // the very class asked for: typeid tells that at a fraction of the cost
    // of dynamic_cast's walk through the class tree.
    if (shown && typeid(*shown) == typeid(W)) {
        return static_cast<W&>(*shown);
    }
    if (auto* widget = dynamic_cast<W*>(shown)) {
        return *widget;
    }
    throw NilObjectException("the " + Record().Name() + " \"" + Name() +
                             "\" has no widget: it was not constructed, or its window is gone");
}

}  // namespace fw
