#include "framework/runtime.h"
#include "framework/pending_exception.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <exception>
#include <string>
#include <utility>

#include "framework/drawing_check.h"
#include "framework/exceptions.h"
#include "framework/platform_failure_watch.h"
#include "framework/trace.h"
#include "framework/window.h"

namespace fw {
namespace {

// Made by RuntimeInit and deleted by RuntimeExit alone. A process that ends
// without RuntimeExit leaves it to the operating system: the exit handlers
// run after what Qt's own teardown needs is gone.
QApplication* application = nullptr;
std::optional<int> quitRequest;
bool loopRunning = false;

}  // namespace

void RuntimeInit(int& argc, char** argv) {
    Trace("RuntimeInit");
    if (!QCoreApplication::instance()) {
        PlatformFailureWatch watch(argc > 0 ? argv[0] : nullptr);
        application = new QApplication(argc, argv);
        // Asked while the watch still holds what Qt says: a platform without
        // a screen, or a display that cannot draw, is told in one line of
        // our own.
        if (DrawingProblem()) {
            watch.Discard();
        }
    }
    // Qt is up, so a display that cannot show the windows ends the start
    // through the normal shut-down: the main routine finds the exception
    // pending, takes none of its steps and hands it to the unhandled-exception
    // routine, which says why and sets the exit code.
    if (const std::optional<std::string> problem = DrawingProblem()) {
        SetPendingException(std::make_exception_ptr(DisplayException(*problem)));
        return;
    }
    // The runtime decides itself when the application ends: a hidden window
    // still counts as open.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The application icon: every image in the resources' icons folder, one
    // per size.
    QIcon icon;
    for (const QFileInfo& file : QDir(":/icons").entryInfoList(QDir::Files, QDir::Name)) {
        icon.addFile(file.filePath());
    }
    if (!icon.isNull()) {
        QApplication::setWindowIcon(icon);
    }
}

void RuntimeRun() {
    if (quitRequest) {
        return;
    }
    Trace("RuntimeRun");
    loopRunning = true;
    QCoreApplication::exec();
    loopRunning = false;
}

void Quit(int code) {
    if (!quitRequest) {
        quitRequest = code;
    }
    if (loopRunning) {
        QCoreApplication::exit(*quitRequest);
    }
}

std::optional<int> QuitRequest() {
    return quitRequest;
}

void ClearQuitRequest() {
    quitRequest.reset();
}

int RuntimeExit() {
    Trace("RuntimeExit");
    int code = quitRequest.value_or(0);
    // An exception still pending got past even the unhandled-exception
    // routine: the process has failed, whatever quitting asked for.
    if (TakePendingException() && code == 0) {
        code = 1;
    }
    // Windows hold Qt widgets: they go while Qt is still there.
    ReleaseOpenWindows();
    if (QCoreApplication::instance()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    delete std::exchange(application, nullptr);
    return code;
}

}  // namespace fw
