// Timed window work on the offscreen platform (outside ctest: `make bench`).

#include "bench/window_bench.h"
#include "engine/parameters.h"
#include "ui/plots/signal_plot.h"
#include "ui/widgets/lr_spinner.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/main_screen.h"
#include "ui/windows/run_menue.h"
#include "ui/windows/set_times.h"
#include "ui/windows/sim_application.h"
#include "ui/windows/start_menue.h"

#include <QCoreApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void settle() { QCoreApplication::processEvents(); }

// The main screen and the start menu built and shown, as at program start.
void BM_window_startup(benchmark::State& state)
{
    for (auto _ : state) {
        TMain_screen main;
        main.show();
        main.open_start_menu();
        settle();
    }
}
BENCHMARK(BM_window_startup)->Unit(benchmark::kMillisecond)->UseRealTime();

// One step of the width spinner with ten plot windows open, all of them redrawn.
void BM_time_window_change(benchmark::State& state)
{
    TMain_screen main;
    set_up_and_run(main, 3);
    constexpr std::array<int, 10> codes{1, -1, 105, -105, 106, -106, 7, 10, -10, -107};
    for (int code : codes) main.view_item(code);
    settle();
    Lr_spinner& width = *main.run_menu()->Set_times->UpDown1;
    int direction = -1;
    for (auto _ : state) {
        direction > 0 ? width.click_right() : width.click_left();
        direction = -direction;
    }
}
BENCHMARK(BM_time_window_change)->Unit(benchmark::kMillisecond)->UseRealTime();

// The run button with 36 bytes: the whole chain run from the window.
void BM_run_button(benchmark::State& state)
{
    TMain_screen main;
    set_up_and_run(main, 36);
    for (auto _ : state) main.run_menu()->Get_plots->runClick();
}
BENCHMARK(BM_run_button)->Unit(benchmark::kMillisecond)->UseRealTime();

// One plot window redrawn, per stage code.
void BM_plot_window_redraw(benchmark::State& state)
{
    TMain_screen main;
    set_up_and_run(main, 3);
    main.view_item(static_cast<int>(state.range(0)));
    settle();
    auto& plot = dynamic_cast<TSignal_plot&>(*main.child_windows().back());
    for (auto _ : state) caption_plot(plot);
}
BENCHMARK(BM_plot_window_redraw)
    ->Arg(1)
    ->Arg(-105)
    ->Arg(106)
    ->Arg(-106)
    ->Arg(7)
    ->Arg(10)
    ->Arg(-10)
    ->Arg(-107)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    use_offscreen_without_display();
    // The application object exists once per process: timed here, not as a benchmark.
    const auto before = std::chrono::steady_clock::now();
    Sim_application app(argc, argv);
    const std::chrono::duration<double, std::milli> app_start =
        std::chrono::steady_clock::now() - before;
    std::printf("application object: %.1f ms\n", app_start.count());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
