#include "framework/trace.h"

#include <utility>

namespace fw {
namespace {

std::function<void(const std::string&)>& TraceSink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

}  // namespace

void Trace(const std::string& line) {
    if (TraceSink()) {
        TraceSink()(line);
    }
}

void SetRuntimeTrace(std::function<void(const std::string&)> trace) {
    TraceSink() = std::move(trace);
}

}  // namespace fw
