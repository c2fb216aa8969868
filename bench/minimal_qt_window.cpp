// The yardstick for the program's cold start: the least that a Qt 6 Widgets
// program does to put one window on screen. It quits as soon as the window
// is exposed, as nerq_first_window does at its splash.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

class QuitWhenExposed : public QObject {
  public:
    explicit QuitWhenExposed(const QWidget& window) : window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched == window_.windowHandle() &&
            window_.windowHandle()->isExposed()) {
            // Queued: the exposure may come before the event loop runs.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

  private:
    const QWidget& window_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(300, 200);
    QuitWhenExposed quit(window);
    application.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
