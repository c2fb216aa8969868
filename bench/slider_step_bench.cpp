// One step of the r slider as the user makes it, through the real widgets:
// the slider's handler writes the r field, whose handler computes and shows
// the statistics, and the slider's handler computes them once more.
//
// BM_RSliderStep times the program's step beside the same step in plain Qt:
// the same widgets at the same places and fonts, wired with Qt's own signals,
// doing the same work with the program's own text and statistics functions.
// That is the floor for what the runtime adds. The two run in alternating
// order within one benchmark, so the ratio compares like with like. The
// reported time is the program's per step; the counters give both per-step
// times and their ratio. BM_RSliderStepDrawn adds each step's paint.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "framework/functions.h"
#include "framework/integer_conversion.h"
#include "framework/runtime.h"
#include "framework/startup.h"
#include "simulator/control_wnd.h"
#include "simulator/statistics.h"

namespace {

// The simulator window's step in plain Qt. Places, fonts and alignments are
// the program's (simulator/control_wnd_streams.cpp), since a line edit shapes
// its text as it takes it. Above N = 1000 the program blanks the read-outs
// instead; the floor covers only the N that it computes for.
class PlainQtWindow {
  public:
    explicit PlainQtWindow(std::int64_t n) {
        window_.resize(500, 425);
        rEdit_ = Field(55, 192, 60, Qt::AlignHCenter);
        nEdit_ = Field(55, 257, 60, Qt::AlignLeft);
        zFld_ = Field(400, 192, 70, Qt::AlignLeft);
        zFld_->setReadOnly(true);
        zFld_->setEnabled(false);
        slider_ = new QSlider(Qt::Horizontal, &window_);
        slider_->setGeometry(25, 220, 450, 15);
        slider_->setRange(0, 99);
        tText_ = Readout(60, 358, 60, Qt::AlignLeft);
        pText_ = Readout(164, 358, 60, Qt::AlignHCenter);
        ciText_ = Readout(334, 358, 95, Qt::AlignHCenter);
        nEdit_->setText(QString::number(n));

        QObject::connect(slider_, &QSlider::valueChanged, [this](int value) {
            r_ = static_cast<double>(value) / 100;
            rEdit_->setText(QString::fromStdString(fw::Format(r_, ".000")));
            Compute(r_);
        });
        QObject::connect(rEdit_, &QLineEdit::textChanged, [this](const QString& text) {
            r_ = fw::Val(text.toStdString());
            if (r_ < 0) {
                r_ = 0;
                rEdit_->setText(".000");
            }
            if (r_ > 0.99999) {
                r_ = 0.99999;
                rEdit_->setText(".99999");
            }
            Compute(r_);
            z_ = stats::FisherZ(r_);
            zFld_->setText(QString::fromStdString(fw::Format(z_, "##0.000")));
        });
        window_.show();
    }

    QSlider* Slider() const { return slider_; }
    double P() const { return p_; }

  private:
    static QFont InterfaceFont() {
        QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setPixelSize(12);
        return font;
    }
    QLineEdit* Field(int left, int top, int width, Qt::Alignment alignment) {
        auto* edit = new QLineEdit(&window_);
        edit->setGeometry(left, top, width, 20);
        edit->setFont(InterfaceFont());
        edit->setAlignment(alignment | Qt::AlignVCenter);
        return edit;
    }
    QLabel* Readout(int left, int top, int width, Qt::Alignment alignment) {
        auto* label = new QLabel(&window_);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(left, top, width, 20);
        label->setFont(InterfaceFont());
        label->setAlignment(alignment | Qt::AlignVCenter);
        return label;
    }

    // What the program's DoIt does for an N within its range.
    void Compute(double r) {
        std::int64_t n = fw::TruncateToInteger(fw::Val(nEdit_->text().toStdString()));
        n = std::max<std::int64_t>(n, -1'000'000'000);
        t_ = stats::TStatistic(r, n);
        tText_->setText(QString::fromStdString(fw::Format(t_, "#####.00")));
        p_ = stats::TwoSidedP(t_, n - 2);
        pText_->setText(QString::fromStdString(fw::Format(p_, ".00000")));
        const stats::Interval interval = stats::ConfidenceInterval95(r, n);
        ciText_->setText(QString::fromStdString(fw::Format(interval.lower, "+.000") + " to " +
                                                fw::Format(interval.upper, "+.000")));
    }

    QWidget window_;
    QSlider* slider_;
    QLineEdit *rEdit_, *nEdit_, *zFld_;
    QLabel *tText_, *pText_, *ciText_;
    double r_ = 0, t_ = 0, p_ = 0, z_ = 0;
};

// The windows start drawn and settled, as between two steps of a drag: the
// slider that the user drags has the focus (a field that had it would do
// more with every new text, and which window is active is left to chance),
// and nothing is left in Qt's queue of posted events by an earlier run (Qt
// searches that queue at every layout request that a new text posts).
void Settle(std::initializer_list<QSlider*> dragged) {
    for (QSlider* slider : dragged) {
        slider->setFocus(Qt::MouseFocusReason);
    }
    QCoreApplication::processEvents();
}

// No event loop runs here to delete a closed window's widgets.
void CloseAndDelete(class ControlWnd::ControlWnd& window) {
    window.Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One step; drawn, it also runs what the step posted, up to its paint, as the
// event loop would before the next step. The other window has nothing left
// to do by then, so only this step's work is timed.
double SecondsToStep(QSlider& slider, int position, bool drawn) {
    const auto start = std::chrono::steady_clock::now();
    slider.setValue(position);
    if (drawn) {
        QCoreApplication::sendPostedEvents();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void SideBySide(benchmark::State& state, bool drawn) {
    auto window = fw::RuntimeNewObject<class ControlWnd::ControlWnd>();
    window->Constructor();
    window->nEdit()->SetText(std::to_string(state.range(0)));
    QSlider& slider = *window->rSlider()->Bar();
    PlainQtWindow plain(state.range(0));
    Settle({&slider, plain.Slider()});

    double programSeconds = 0, qtSeconds = 0;
    int position = 0;
    bool programFirst = true;
    for (auto _ : state) {
        position = (position + 1) % 100;
        double program = 0, qt = 0;
        if (programFirst) {
            program = SecondsToStep(slider, position, drawn);
            qt = SecondsToStep(*plain.Slider(), position, drawn);
        } else {
            qt = SecondsToStep(*plain.Slider(), position, drawn);
            program = SecondsToStep(slider, position, drawn);
        }
        programFirst = !programFirst;
        benchmark::DoNotOptimize(window->p);
        benchmark::DoNotOptimize(plain.P());
        state.SetIterationTime(program);
        programSeconds += program;
        qtSeconds += qt;
    }
    CloseAndDelete(*window);
    if (window->p != plain.P()) {
        state.SkipWithError("the plain Qt step computed another p");
        return;
    }
    if (qtSeconds <= 0) {
        return;
    }
    using benchmark::Counter;
    state.counters["program_us"] = Counter(programSeconds * 1e6, Counter::kAvgIterations);
    state.counters["qt_us"] = Counter(qtSeconds * 1e6, Counter::kAvgIterations);
    state.counters["ratio"] = programSeconds / qtSeconds;
}

// The step's own work, as the handlers do it.
void BM_RSliderStep(benchmark::State& state) {
    SideBySide(state, false);
}
BENCHMARK(BM_RSliderStep)->Arg(20)->Arg(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The step with its paint, where a label fits its font to its new text. The
// floor has only the widgets that the step writes, while the program's
// read-outs overlap the captions and the frame beside and beneath them,
// which are drawn again with them: this ratio holds more than the runtime.
void BM_RSliderStepDrawn(benchmark::State& state) {
    SideBySide(state, true);
}
BENCHMARK(BM_RSliderStepDrawn)->Arg(20)->Arg(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_RSliderKeyStep(benchmark::State& state) {
    auto window = fw::RuntimeNewObject<class ControlWnd::ControlWnd>();
    window->Constructor();
    window->nEdit()->SetText("1000");
    QSlider* slider = window->rSlider()->Bar();
    Settle({slider});
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
    CloseAndDelete(*window);
}
BENCHMARK(BM_RSliderKeyStep)->Unit(benchmark::kMicrosecond);

}  // namespace

// The runtime is up for all the benchmarks and goes down cleanly after them.
// Google Benchmark takes its own flags first; the rest go to the runtime.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    // The simulator's activation reaches the splash window by its registered
    // class, as in the program.
    fw::RuntimePerformInitializers();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return fw::RuntimeExit();
}
