#include "framework/window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QResizeEvent>

#include "framework/guard.h"
#include "framework/key_text.h"
#include "framework/window.h"

namespace fw {
namespace {

// The content area: the window's own clicks (those that no control took)
// reach its MouseDown event in content coordinates.
class ContentWidget : public QWidget {
  public:
    ContentWidget(Window& owner, QWidget* parent) : QWidget(parent), owner_(&owner) {}
    void Detach() { owner_ = nullptr; }

    QSize sizeHint() const override { return size_; }
    void SetHint(QSize size) {
        size_ = size;
        updateGeometry();
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        const bool consumed =
            owner_ && GuardOr<bool>(false, [&] { return owner_->HandleMouseDown(at.x(), at.y()); });
        if (!consumed) {
            QWidget::mousePressEvent(event);
        }
    }

    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (owner_) {
            Guard([&] { owner_->HandleResize(); });
        }
    }

  private:
    Window* owner_;
    QSize size_{300, 300};
};

}  // namespace

WindowWidget::WindowWidget(Window& owner)
    : owner_(&owner), content_(new ContentWidget(owner, this)) {
    setCentralWidget(content_);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void WindowWidget::SetContentSize(QSize size, bool fixed, QSize minimum, QSize maximum) {
    auto* content = static_cast<ContentWidget*>(content_);
    content->SetHint(size);
    if (fixed) {
        content->setFixedSize(size);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        content->setMinimumSize(minimum);
        content->setMaximumSize(maximum);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        content->resize(size);
        resize(sizeHint());
    }
}

void WindowWidget::Detach() {
    owner_ = nullptr;
    static_cast<ContentWidget*>(content_)->Detach();
}

bool WindowWidget::event(QEvent* event) {
    if (owner_ && event->type() == QEvent::WindowActivate) {
        Guard([&] { owner_->HandleActivate(); });
    }
    return QMainWindow::event(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (owner_) {
        Guard([&] { owner_->HandleClose(); });
    }
    event->accept();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<std::string> key = WindowKeyText(*event);
    const bool consumed =
        owner_ && key && GuardOr<bool>(false, [&] { return owner_->HandleKeyDown(*key); });
    if (!consumed) {
        QMainWindow::keyPressEvent(event);
    }
}

}  // namespace fw
