#pragma once

#include <QMainWindow>

namespace fw {

class Window;

// The Qt side of a Window: a main window whose central widget is the content
// area, passing activation, closing, keys and clicks to its Window.
class WindowWidget : public QMainWindow {
  public:
    explicit WindowWidget(Window& owner);

    QWidget* Content() const { return content_; }
    // The Window goes before its widget, which Qt deletes later: from then on
    // the widget passes nothing on.
    void Detach();
    void SetContentSize(QSize size, bool fixed, QSize minimum, QSize maximum);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Window* owner_;
    QWidget* content_;
};

}  // namespace fw
