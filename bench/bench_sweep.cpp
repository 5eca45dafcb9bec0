// Timed error sweeps and plot read-outs (outside ctest).

#include "bench/window_bench.h"
#include "engine/error_sweep.h"
#include "engine/headless_screen.h"
#include "engine/par_rows.h"
#include "engine/parameters.h"
#include "ui/plots/signal_plot.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/main_screen.h"
#include "ui/windows/run_extras.h"
#include "ui/windows/run_menue.h"
#include "ui/windows/sim_application.h"
#include "ui/windows/start_menue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The sweep the window's speed is judged by: 20 points of noise_to_signal.
const Sweep_plan noise_sweep{par_row_named("noise_to_signal"), 0.0f, 20.0f, 20, false};

// The sweep alone, as the command line runs it: 36 bytes, 6 stages.
void BM_sweep_noise_20_points(benchmark::State& state)
{
    analog_pars().set_defaults();
    apply_start_pars(6, 36);
    Headless_screen screen;
    setup_chain(screen);
    No_progress none;
    for (auto _ : state) benchmark::DoNotOptimize(run_sweep(noise_sweep, none));
}
BENCHMARK(BM_sweep_noise_20_points)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same sweep from the run-time menu, behind the progress dialog; the longest gap
// between two ticks of a 5 ms timer on the window's thread is reported as max_gap_ms.
void BM_sweep_from_window(benchmark::State& state)
{
    TMain_screen main;
    set_up_and_run(main, 36);
    TRun_extras::ask_plan = [](QWidget*, const std::optional<Sweep_plan>&) { return noise_sweep; };
    double max_gap_ms = 0.0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            max_gap_ms = std::max(max_gap_ms, static_cast<double>(now - last) * 1e-6);
            last = now;
        });
        tick.start(5);
        main.run_menu()->Run_extras->error_sweepClick();
        tick.stop();
        state.PauseTiming();
        if (QWidget* w = main.run_menu()->Run_extras->last_window()) w->close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["max_gap_ms"] = max_gap_ms;
    TRun_extras::ask_plan = nullptr;
}
BENCHMARK(BM_sweep_from_window)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// One mouse move over a signal plot window: the read-out in its title line.
void BM_read_out_move(benchmark::State& state)
{
    TMain_screen main;
    set_up_and_run(main, 3);
    main.view_item(-306);
    QCoreApplication::processEvents();
    auto& plot = dynamic_cast<TSignal_plot&>(*main.child_windows().back());
    int x = 0;
    for (auto _ : state) {
        const QPointF at(x, 60);
        QMouseEvent move(QEvent::MouseMove, at, plot.bits->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(plot.bits, &move);
        x = (x + 37) % 740;
    }
}
BENCHMARK(BM_read_out_move)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return run_window_benchmarks(argc, argv); }
