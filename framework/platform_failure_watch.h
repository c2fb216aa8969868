#pragma once

#include <QString>
#include <QtGlobal>

#include <mutex>
#include <string>
#include <vector>

namespace fw {

// Kept alive around the construction of the application. Qt reports a window
// platform that it cannot start (no display, a display without a server, an
// unknown platform name) as a fatal message and then aborts, leaving a core.
// The watch turns that report into one line on standard error that says
// what is wrong and ends the process at once with the start-up failure code:
// nothing of the runtime is up yet that could be shut down.
//
// Qt's own lines about the platform plugins are held back until the outcome
// is known; if a platform comes up after all (a fallback in a list of
// platforms), they are handed on unchanged when the watch ends.
class PlatformFailureWatch {
  public:
    // `argv0` names the program in the message; it may be null.
    explicit PlatformFailureWatch(const char* argv0);
    ~PlatformFailureWatch();
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
