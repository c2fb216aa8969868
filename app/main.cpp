#include <exception>

#include "app/startup.h"
#include "framework/pending_exception.h"
#include "framework/runtime.h"
#include "framework/startup.h"

// The process entry: the runtime gets the process's arguments unchanged.
int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers();
    try {
        Main();
    } catch (...) {
        // Raised by the unhandled-exception routine itself. It stays with the
        // runtime; the finalisers and the exit routine run regardless.
        fw::SetPendingException(std::current_exception());
    }
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
