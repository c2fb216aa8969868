#include "framework/platform_failure_watch.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string_view>

#include "framework/platform_failure_reasons.h"
#include "framework/runtime.h"

namespace fw {
namespace {

// Guards the active watch and everything in it, and where a message goes
// that arrives when no watch is active any more: Qt may already have read
// the watch's handler when the watch puts the previous one back.
std::mutex watchMutex;
PlatformFailureWatch* activeWatch = nullptr;
QtMessageHandler handOnTo = nullptr;

// The lines of raw output that the failure's reasons do not already say.
void KeepRaw(std::string_view raw, const PlatformFailure& failure, std::string& kept) {
    while (!raw.empty()) {
        const std::size_t newline = raw.find('\n');
        const std::size_t length = newline == std::string_view::npos ? raw.size() : newline + 1;
        const std::string_view line = raw.substr(0, length);
        if (newline == std::string_view::npos ||
            !failure.ExplainsRawLine(line.substr(0, newline))) {
            kept += line;
        }
        raw.remove_prefix(length);
    }
}

}  // namespace

PlatformFailureWatch::PlatformFailureWatch(const char* argv0) {
    if (argv0 && *argv0) {
        programName_ = std::filesystem::path(argv0).filename().string();
    }
    const std::lock_guard<std::mutex> lock(watchMutex);
    if (activeWatch) {
        return;
    }
    capture_.emplace();
    previous_ = qInstallMessageHandler(&PlatformFailureWatch::Handle);
    handOnTo = previous_;
    activeWatch = this;
}

PlatformFailureWatch::~PlatformFailureWatch() {
    if (!capture_) {
        return;
    }
    const std::lock_guard<std::mutex> lock(watchMutex);
    qInstallMessageHandler(previous_);
    activeWatch = nullptr;
    // A platform came up: what was said on the way is ordinary talk.
    if (capture_->Active()) {
        StderrCapture::Write(capture_->Finish());
    } else {
        for (const Said& message : said_) {
            HandOn(message);
        }
    }
}

void PlatformFailureWatch::Handle(QtMsgType type, const QMessageLogContext& context,
                                  const QString& text) {
    std::unique_lock<std::mutex> lock(watchMutex);
    PlatformFailureWatch* const watch = activeWatch;
    if (!watch) {
        const QtMessageHandler to = handOnTo;
        lock.unlock();
        if (to) {
            to(type, context, text);
        }
        return;
    }
    if (type == QtFatalMsg) {
        watch->Fail(context, text);
    }
    watch->Take(type, context, text);
}

void PlatformFailureWatch::Take(QtMsgType type, const QMessageLogContext& context,
                                const QString& text) {
    if (discarded_) {
        return;
    }
    Said& said = said_.emplace_back(
        Said{type, context.file ? context.file : "", context.line,
             context.function ? context.function : "",
             context.category ? std::optional<std::string>(context.category) : std::nullopt, text});
    // Handed on at once into the capture, where it keeps its place among
    // what other libraries write.
    if (capture_->Active()) {
        said.begin = capture_->Size();
        if (previous_) {
            previous_(type, context, text);
        }
        said.end = capture_->Size();
    }
}

void PlatformFailureWatch::Discard() {
    const std::lock_guard<std::mutex> lock(watchMutex);
    if (!capture_) {
        return;
    }
    discarded_ = true;
    capture_->Finish();
    said_.clear();
}

void PlatformFailureWatch::Fail(const QMessageLogContext& context, const QString& fatalText) {
    std::vector<QtReport> reports;
    for (const Said& message : said_) {
        reports.push_back({message.type, message.category.value_or(""), message.text});
    }
    const PlatformFailure failure = ExplainPlatformFailure(reports, fatalText);
    // What the watch cannot put in its own words goes out as it was written,
    // so that nothing that explains the failure is lost.
    if (capture_->Active()) {
        const std::string captured = capture_->Finish();
        StderrCapture::Write(Unexplained(captured, failure));
    } else {
        for (std::size_t i = 0; i < said_.size(); ++i) {
            if (!failure.explained[i]) {
                HandOn(said_[i]);
            }
        }
    }
    QStringList reasons = failure.reasons;
    if (reasons.isEmpty()) {
        if (previous_) {
            previous_(QtCriticalMsg, context, fatalText);
        }
        reasons << "Qt could not bring up its window platform";
    }
    const std::string prefix = programName_.empty() ? "" : programName_ + ": ";
    std::fflush(nullptr);
    StderrCapture::Write(prefix + "cannot start: " + reasons.join("; ").toStdString() + "\n");
    std::_Exit(kCannotStartExitCode);
}

std::string PlatformFailureWatch::Unexplained(const std::string& captured,
                                              const PlatformFailure& failure) const {
    std::string kept;
    std::size_t at = 0;
    for (std::size_t i = 0; i < said_.size(); ++i) {
        const std::size_t begin = std::clamp(said_[i].begin, at, captured.size());
        const std::size_t end = std::clamp(said_[i].end, begin, captured.size());
        KeepRaw(std::string_view(captured).substr(at, begin - at), failure, kept);
        if (!failure.explained[i]) {
            kept.append(captured, begin, end - begin);
        }
        at = end;
    }
    KeepRaw(std::string_view(captured).substr(at), failure, kept);
    return kept;
}

void PlatformFailureWatch::HandOn(const Said& message) const {
    if (!previous_) {
        return;
    }
    const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                     message.category ? message.category->c_str() : nullptr);
    previous_(message.type, context, message.text);
}

}  // namespace fw
