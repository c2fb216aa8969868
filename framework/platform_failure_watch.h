#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "framework/stderr_capture.h"

namespace fw {

struct PlatformFailure;

// Kept alive while the window platform comes up: the construction of the
// application and the check that its windows can be shown. Qt reports a
// window platform that it cannot start (no display, a display without a
// server, an unknown platform name) as a fatal message and then aborts,
// leaving a core. The watch turns that report into one line on standard
// error that says what is wrong and ends the process at once with the
// start-up failure code: nothing of the runtime is up yet that could be
// shut down.
//
// Everything written to standard error meanwhile, Qt's messages and what
// other libraries write there themselves, is held back until the outcome is
// known. If the platform comes up and can show windows, it is handed on
// unchanged, in its order, when the watch ends; if the start is refused for
// a reason that the runtime words itself, it is dropped, so that the user
// reads that one line alone; a process that dies meanwhile shows it all
// before it dies.
//
// Qt's messages may come from any thread, also while a watch ends; one
// that arrives after the end goes to the handler that was there before.
// One watch at a time: a watch made while another one is active does
// nothing.
class PlatformFailureWatch {
  public:
    // `argv0` names the program in the message; it may be null.
    explicit PlatformFailureWatch(const char* argv0);
    ~PlatformFailureWatch();

    // The start goes no further, and the runtime says why in its own line:
    // nothing that was said on the way, or is said until the watch ends, is
    // handed on.
    void Discard();
    PlatformFailureWatch(const PlatformFailureWatch&) = delete;
    PlatformFailureWatch& operator=(const PlatformFailureWatch&) = delete;

  private:
    struct Said {
        QtMsgType type;
        std::string file;
        int line;
        std::string function;
        std::optional<std::string> category;
        QString text;
        // Where the handler before the watch wrote it in the capture.
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
    // These run under the lock that guards the active watch.
    void Take(QtMsgType type, const QMessageLogContext& context, const QString& text);
    [[noreturn]] void Fail(const QMessageLogContext& context, const QString& fatalText);
    void HandOn(const Said& message) const;
    // What was captured, less what the failure's reasons say.
    std::string Unexplained(const std::string& captured, const PlatformFailure& failure) const;

    std::string programName_;
    QtMessageHandler previous_ = nullptr;
    // Made only by the one watch that watches: a nested one has none.
    std::optional<StderrCapture> capture_;
    // Where the capture is not active, Qt's messages are held here and
    // handed on at the end.
    std::vector<Said> said_;
    bool discarded_ = false;
};

}  // namespace fw
