#include "framework/startup.h"

#include <utility>
#include <vector>

#include "framework/guard.h"
#include "framework/pending_exception.h"
#include "framework/trace.h"

namespace fw {
namespace {

struct Step {
    std::string name;
    std::function<void()> run;
};

std::vector<Step>& Initializers() {
    static std::vector<Step> steps;
    return steps;
}

std::vector<Step>& Finalizers() {
    static std::vector<Step> steps;
    return steps;
}

std::shared_ptr<Delegate> exceptionHelper;
double frameworkVersion = 0;

}  // namespace

void AddInitializer(std::string name, std::function<void()> initializer) {
    Initializers().push_back({std::move(name), std::move(initializer)});
}

void RuntimePerformInitializers() {
    Trace("RuntimePerformInitializers");
    for (const Step& step : Initializers()) {
        try {
            step.run();
        } catch (...) {
            // The first failure stays pending; the rest of the table still runs.
            if (!HasPendingException()) {
                SetPendingException(std::current_exception());
            }
        }
    }
}

void AddFinalizer(std::string name, std::function<void()> finalizer) {
    Finalizers().push_back({std::move(name), std::move(finalizer)});
}

void RuntimePerformFinalizers() {
    Trace("RuntimePerformFinalizers");
    for (const Step& step : Finalizers()) {
        Guard(step.run);
    }
}

void RuntimeSetExceptionHelper(std::shared_ptr<Delegate> helper) {
    Trace("RuntimeSetExceptionHelper " + Deref(helper).Signature());
    exceptionHelper = std::move(helper);
}

std::shared_ptr<Delegate> RuntimeExceptionHelper() {
    return exceptionHelper;
}

void RuntimeSetFrameworkVersion(double version) {
    Trace("RuntimeSetFrameworkVersion");
    frameworkVersion = version;
}

double RuntimeFrameworkVersion() {
    return frameworkVersion;
}

void RuntimeInitExternalClasses() {
    Trace("RuntimeInitExternalClasses");
}

void InitPluginEntrypoints() {
    Trace("InitPluginEntrypoints");
}

void RunFrameworkInitialization(const std::shared_ptr<Delegate>& lateStartup) {
    Trace("RunFrameworkInitialization");
    Deref(lateStartup).Invoke<void>();
    Trace("RunFrameworkInitialization done");
}

}  // namespace fw
