#pragma once

#include <memory>

#include "framework/exceptions.h"

// The program's start-up chain, from the process entry to the event loop.

// The main routine: registers the guarded call, declares the framework
// version, runs EarlyStartup, has the framework's initialisation call
// LateStartup, and runs the event loop. An exception of any of its steps, or
// one left by the initialisers, skips the rest and goes to the runtime's
// unhandled-exception routine.
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

// The guarded call that the runtime is given: calls `function` with
// `argument` and returns the RuntimeException that it raised, or Nil. An
// exception of another kind passes on.
std::shared_ptr<fw::RuntimeException> CallFunctionWithExceptionHandling(void (*function)(void*),
                                                                        void* argument);

// The framework version this program is built for.
inline constexpr double kFrameworkVersion = 2024.0;
