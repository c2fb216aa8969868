#include "framework/canvas.h"

#include <QPainter>
#include <QWidget>

#include "framework/picture.h"
#include "framework/widget_as.h"

namespace fw {
namespace {

class CanvasWidget : public QWidget {
  public:
    explicit CanvasWidget(const Canvas& owner) : owner_(owner) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        if (const auto picture = owner_.Backdrop()) {
            QPainter painter(this);
            painter.drawImage(0, 0, picture->Image());
        }
    }

  private:
    const Canvas& owner_;
};

}  // namespace

const ClassRecord& Canvas::ClassInfo() {
    static const ClassRecord record({
        .name = "Canvas",
        .super = &RectControl::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .properties =
            {
                KeptProperty("AllowFocusRing", PropertyType::Boolean),
                PropertyOf("AllowFocus", PropertyType::Boolean, &Canvas::SetAllowFocus),
                KeptProperty("AllowTabs", PropertyType::Boolean),
                KeptProperty("DoubleBuffer", PropertyType::Boolean),
            },
    });
    return record;
}

void Canvas::Constructor() {
    auto* widget = new CanvasWidget(*this);
    // A click on the picture belongs to the window, which may hand over on it.
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetWidget(widget);
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    WidgetAs<QWidget>().update();
}

void Canvas::SetAllowFocus(bool value) {
    allowFocus_ = value;
    ApplyFocusPolicy();
}

}  // namespace fw
