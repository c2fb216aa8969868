#pragma once

#include <optional>

namespace fw {

// The exit code of a start that found no display to show its windows on;
// the README names it.
inline constexpr int kCannotStartExitCode = 3;

// Brings up the runtime over Qt: the application instance, with the
// process's arguments handed on unchanged. Where no window platform can be
// started, it says why on standard error and ends the process with
// kCannotStartExitCode. Where the application comes up on a platform that
// cannot show its windows (no screen, a display that cannot draw them), it
// leaves a DisplayException pending, so that the start goes no further than
// the unhandled-exception routine, which says why in one line and ends the
// process with that code, and still shuts down.
void RuntimeInit(int& argc, char** argv);

// The event loop; returns when the application quits.
void RuntimeRun();

// Asks the application to end with `code`. Before the event loop runs, the
// request makes RuntimeRun return at once. The first request's code stands.
void Quit(int code = 0);

// The code that the last Quit asked for, if any; tests watch it.
std::optional<int> QuitRequest();
void ClearQuitRequest();

// The process's exit code: the code that quitting asked for, else 0; but
// never 0 while an exception is still pending.
int RuntimeExit();

}  // namespace fw
