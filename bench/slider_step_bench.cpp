// One step of the r slider as the user makes it, through the real widgets:
// the slider's handler writes the r field, whose handler computes and shows
// the statistics, and the slider's handler computes them once more.

#include <QApplication>
#include <QSlider>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "framework/runtime.h"
#include "simulator/control_wnd.h"

namespace {

void BringUpRuntime() {
    static const bool up = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "slider_step_bench";
        static char* argv[] = {name, nullptr};
        fw::RuntimeInit(argc, argv);
        return true;
    }();
    (void)up;
}

void BM_RSliderStep(benchmark::State& state) {
    BringUpRuntime();
    auto window = fw::RuntimeNewObject<class ControlWnd::ControlWnd>();
    window->Constructor();
    window->nEdit()->SetText(std::to_string(state.range(0)));
    QSlider* slider = window->rSlider()->Bar();
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) % 100;
        slider->setValue(position);
        benchmark::DoNotOptimize(window->p);
    }
    window->Close();
}
BENCHMARK(BM_RSliderStep)->Arg(20)->Arg(1000);

void BM_RSliderKeyStep(benchmark::State& state) {
    BringUpRuntime();
    auto window = fw::RuntimeNewObject<class ControlWnd::ControlWnd>();
    window->Constructor();
    window->nEdit()->SetText("1000");
    QSlider* slider = window->rSlider()->Bar();
    bool up = true;
    for (auto _ : state) {
        if (slider->value() == slider->maximum()) {
            up = false;
        } else if (slider->value() == slider->minimum()) {
            up = true;
        }
        QKeyEvent press(QEvent::KeyPress, up ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(slider, &press);
        benchmark::DoNotOptimize(window->p);
    }
    window->Close();
}
BENCHMARK(BM_RSliderKeyStep);

}  // namespace
