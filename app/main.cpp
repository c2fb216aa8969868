#include "framework/runtime.h"
#include "simulator/control_wnd_accessor.h"

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    ControlWnd::ControlWnd();
    fw::RuntimeRun();
    return fw::RuntimeExit();
}
