#include "framework/platform_failure_watch.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "framework/runtime.h"

namespace fw {
namespace {

PlatformFailureWatch* active = nullptr;

constexpr QLatin1String kNotFound("Could not find the Qt platform plugin ");
constexpr QLatin1String kNotLoaded("Could not load the Qt platform plugin ");
constexpr QLatin1String kNoConnection("could not connect to display ");
constexpr QLatin1String kAvailable("Available platform plugins are: ");

bool IsConnectionReport(const char* category, const QString& text) {
    return category && QLatin1String(category) == QLatin1String("qt.qpa.xcb") &&
           text.startsWith(kNoConnection);
}

// The first text in double quotes: the plugin's name in Qt's reports.
QString Quoted(const QString& text) {
    const qsizetype open = text.indexOf('"');
    const qsizetype close = open < 0 ? -1 : text.indexOf('"', open + 1);
    return close < 0 ? QString() : text.mid(open + 1, close - open - 1);
}

// The plugins that Qt lists in its fatal report, up to the closing full stop.
QString AvailablePlugins(const QString& fatalText) {
    const qsizetype at = fatalText.indexOf(kAvailable);
    if (at < 0) {
        return {};
    }
    QString list = fatalText.mid(at + kAvailable.size()).trimmed();
    if (list.endsWith('.')) {
        list.chop(1);
    }
    return list;
}

}  // namespace

PlatformFailureWatch::PlatformFailureWatch(const char* argv0) {
    if (argv0 && *argv0) {
        programName_ = std::filesystem::path(argv0).filename().string();
    }
    active = this;
    previous_ = qInstallMessageHandler(&PlatformFailureWatch::Handle);
}

PlatformFailureWatch::~PlatformFailureWatch() {
    qInstallMessageHandler(previous_);
    active = nullptr;
    // A platform came up: what Qt said on the way is ordinary talk.
    for (const Held& message : held_) {
        HandOn(message);
    }
}

void PlatformFailureWatch::Handle(QtMsgType type, const QMessageLogContext& context,
                                  const QString& text) {
    PlatformFailureWatch& watch = *active;
    if (type == QtFatalMsg) {
        watch.Fail(context, text);
    }
    const std::lock_guard<std::mutex> lock(watch.mutex_);
    watch.held_.push_back({type, context.file ? context.file : "", context.line,
                           context.function ? context.function : "",
                           context.category ? context.category : "", text});
}

void PlatformFailureWatch::Discard() {
    const std::lock_guard<std::mutex> lock(mutex_);
    held_.clear();
}

void PlatformFailureWatch::Fail(const QMessageLogContext& context, const QString& fatalText) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const Held* connection = nullptr;
    for (const Held& message : held_) {
        if (IsConnectionReport(message.category.c_str(), message.text)) {
            connection = &message;
        }
    }
    bool connectionExplained = false;
    bool unknownPlugin = false;
    QStringList reasons;
    std::vector<const Held*> unexplained;
    for (const Held& message : held_) {
        const QString plugin = Quoted(message.text);
        if (&message == connection) {
            continue;
        }
        if (message.text.startsWith(kNotFound) && !plugin.isEmpty()) {
            reasons << QString("there is no Qt platform plugin \"%1\"").arg(plugin);
            unknownPlugin = true;
        } else if (message.text.startsWith(kNotLoaded) && plugin == "xcb" && connection) {
            const QString display = connection->text.mid(kNoConnection.size()).trimmed();
            if (!display.isEmpty()) {
                reasons << QString("the X display \"%1\" cannot be opened").arg(display);
            } else if (qEnvironmentVariableIsSet("DISPLAY")) {
                reasons << "no X display is named (DISPLAY is empty)";
            } else {
                reasons << "no X display is named (DISPLAY is not set)";
            }
            connectionExplained = true;
        } else if (message.text.startsWith(kNotLoaded) && !plugin.isEmpty()) {
            reasons << QString("the Qt platform plugin \"%1\" could not be started").arg(plugin);
        } else {
            unexplained.push_back(&message);
        }
    }
    if (connection && !connectionExplained) {
        unexplained.insert(unexplained.begin(), connection);
    }
    // What the watch cannot put in its own words goes out as Qt wrote it, so
    // that nothing that explains the failure is lost.
    for (const Held* message : unexplained) {
        HandOn(*message);
    }
    if (reasons.isEmpty()) {
        previous_(QtCriticalMsg, context, fatalText);
        reasons << "Qt could not bring up its window platform";
    }
    const QString available = AvailablePlugins(fatalText);
    if (unknownPlugin && !available.isEmpty()) {
        reasons << "Qt's platform plugins are: " + available;
    }
    const std::string prefix = programName_.empty() ? "" : programName_ + ": ";
    std::cout.flush();
    std::cerr << prefix << "cannot start: " << reasons.join("; ").toStdString() << std::endl;
    std::fflush(nullptr);
    std::_Exit(kCannotStartExitCode);
}

void PlatformFailureWatch::HandOn(const Held& message) const {
    const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                     message.category.c_str());
    previous_(message.type, context, message.text);
}

}  // namespace fw
