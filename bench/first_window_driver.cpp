// Built into a copy of the program, nerq_first_window, beside its own main:
// the program quits as soon as its first window, the splash, is exposed, so
// that a run from spawn to exit is the cold start to the first window.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "framework/runtime.h"
#include "framework/startup.h"
#include "framework/window.h"

namespace {

class QuitWhenSplashExposed : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose) {
            return false;
        }
        const auto splash = fw::GetImplicitWindow("AboutWnd.AboutWnd");
        QWindow* handle = splash ? splash->TopLevel()->windowHandle() : nullptr;
        if (handle && watched == handle && handle->isExposed()) {
            QTimer::singleShot(0, qApp, [] { fw::Quit(0); });
        }
        return false;
    }
};

const bool installed = [] {
    fw::AddInitializer("first window driver", [] {
        auto* filter = new QuitWhenSplashExposed;
        filter->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
        // A splash that never shows fails the run rather than hanging it.
        QTimer::singleShot(20000, qApp, [] { fw::Quit(3); });
    });
    return true;
}();

}  // namespace
