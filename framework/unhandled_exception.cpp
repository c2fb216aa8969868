#include "framework/unhandled_exception.h"

#include <cxxabi.h>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <typeinfo>

#include "framework/drawing_check.h"
#include "framework/exceptions.h"
#include "framework/runtime.h"

namespace fw {
namespace {

std::function<void(std::exception_ptr)>& Handler() {
    static std::function<void(std::exception_ptr)> handler;
    return handler;
}

bool HasDisplay() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return false;
    }
    const QString platform = QGuiApplication::platformName();
    // A message box on a display that cannot draw it would wait unseen.
    return platform != "offscreen" && platform != "minimal" && !DrawingProblem();
}

// Why the start cannot go on, when that is what the exception says.
std::optional<std::string> RefusedStart(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const DisplayException& e) {
        return e.Message();
    } catch (...) {
        return std::nullopt;
    }
}

// The class as the source names it ("std::out_of_range"), not the mangled name.
std::string ClassName(const std::type_info& type) {
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

}  // namespace

std::string DescribeException(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return e.ClassName() + ": " + e.Message();
    } catch (const std::exception& e) {
        return ClassName(typeid(e)) + ": " + e.what();
    } catch (...) {
        return "unknown exception";
    }
}

void SetUnhandledExceptionHandler(std::function<void(std::exception_ptr)> handler) {
    Handler() = std::move(handler);
}

void UnhandledException(std::exception_ptr exception) {
    if (Handler()) {
        Handler()(exception);
        return;
    }
    // The name that the program gave with its version data, which Qt keeps
    // as the application's name; before that, Qt's default, the executable's.
    const QString name = QCoreApplication::applicationName();
    // A start that the platform cannot carry is no fault of the program's:
    // it reads like the other starts that cannot show a window.
    if (const std::optional<std::string> reason = RefusedStart(exception)) {
        std::cerr << name.toStdString() << ": cannot start: " << *reason << std::endl;
        Quit(kCannotStartExitCode);
        return;
    }
    const std::string text = DescribeException(exception);
    std::cerr << name.toStdString() << ": unhandled exception: " << text << std::endl;
    if (HasDisplay()) {
        QMessageBox::critical(nullptr, name,
                              QString::fromStdString("Unhandled exception\n\n" + text));
    }
    Quit(1);
}

}  // namespace fw
