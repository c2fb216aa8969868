#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/delegate.h"

namespace fw {

// The runtime's start-up and shut-down operations around the program's own
// start-up chain. An exception that an initialiser leaves behind is kept as
// the pending exception (framework/pending_exception.h), for the main routine
// to take.

// Class and module initialisers, run in the order they were added.
void AddInitializer(std::string name, std::function<void()> initializer);
void RuntimePerformInitializers();
// Finalisers, run in the order they were added, each guarded.
void AddFinalizer(std::string name, std::function<void()> finalizer);
void RuntimePerformFinalizers();

// The routine ("( Ptr, Ptr ) as Object") that calls a function and returns
// the runtime exception it raised.
void RuntimeSetExceptionHelper(std::shared_ptr<Delegate> helper);
std::shared_ptr<Delegate> RuntimeExceptionHelper();

// The framework version the program was built for.
void RuntimeSetFrameworkVersion(double version);
double RuntimeFrameworkVersion();

void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

// Runs the framework's initialisation and, once, the program's callback
// ("(  )"), before the event loop takes input.
void RunFrameworkInitialization(const std::shared_ptr<Delegate>& lateStartup);

}  // namespace fw
