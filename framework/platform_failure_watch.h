#pragma once

#include <QString>
#include <QtGlobal>

#include <mutex>
#include <string>
#include <vector>

namespace fw {

// Kept alive while the window platform comes up: the construction of the
// application and the check that its windows can be shown. Qt reports a
// window platform that it cannot start (no display, a display without a
// server, an unknown platform name) as a fatal message and then aborts,
// leaving a core. The watch turns that report into one line on standard
// error that says what is wrong and ends the process at once with the
// start-up failure code: nothing of the runtime is up yet that could be
// shut down.
//
// Everything Qt says meanwhile is held back until the outcome is known. If
// the platform comes up and can show windows, it is handed on unchanged when
// the watch ends; if the start is refused for a reason that the runtime
// words itself, it is dropped, so that the user reads that one line alone.
class PlatformFailureWatch {
  public:
    // `argv0` names the program in the message; it may be null.
    explicit PlatformFailureWatch(const char* argv0);
    ~PlatformFailureWatch();

    // The start goes no further, and the runtime says why in its own line:
    // nothing that Qt said on the way is handed on.
    void Discard();
    PlatformFailureWatch(const PlatformFailureWatch&) = delete;
    PlatformFailureWatch& operator=(const PlatformFailureWatch&) = delete;

  private:
    struct Held {
        QtMsgType type;
        std::string file;
        int line;
        std::string function;
        std::string category;
        QString text;
    };

    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
    [[noreturn]] void Fail(const QMessageLogContext& context, const QString& fatalText);
    void HandOn(const Held& message) const;

    std::string programName_;
    QtMessageHandler previous_ = nullptr;
    std::mutex mutex_;
    std::vector<Held> held_;
};

}  // namespace fw
