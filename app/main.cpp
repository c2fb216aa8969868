#include "app/startup.h"
#include "framework/runtime.h"
#include "framework/startup.h"

// The process entry: the runtime gets the process's arguments unchanged.
int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers();
    Main();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
