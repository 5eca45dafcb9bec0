// Timed teaching views (outside ctest: `make bench`): one eye-pattern "start", one
// constellation and one band-pass explorer "show", drawn into images as the windows draw
// them. Arg 0 evaluates every instant anew, for comparison.

#include "analog/analog_objects.h"
#include "bench/window_bench.h"
#include "engine/headless_screen.h"
#include "engine/parameters.h"
#include "engine/progress.h"
#include "engine/xmit.h"
#include "plot/bp_explorer.h"
#include "plot/constellation.h"
#include "plot/eye_pattern.h"
#include "plot/plot_objects.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/vector_state.h"
#include "ui/windows/sim_application.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>

namespace {

// The default eye: 176 x 215, 36 bytes, I branch; receive side unless transmit is 1.
void BM_eye_start(benchmark::State& state)
{
    analog_pars().set_defaults();
    apply_start_pars(6, 36);
    Headless_screen screen;
    setup_chain(screen);
    run_transmission(screen);
    Eye_pattern eye;
    eye.running = state.range(1) == 0;
    eye.column_cache = state.range(0) != 0;
    if (state.range(2) != 0) eye.toggle_side();
    QImage image(176, 215, QImage::Format_RGB32);
    No_progress progress;
    for (auto _ : state) {
        Qt_canvas canvas(image);
        clear_upper_vector_state();
        eye.draw(canvas, analog_mod, plot_curves, progress);
    }
}
BENCHMARK(BM_eye_start)
    ->ArgNames({"cache", "summing", "transmit"})
    ->Args({1, 1, 0})
    ->Args({0, 1, 0})
    ->Args({1, 0, 0})
    ->Args({1, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime() // the cache is filled on all cores
    ->UseRealTime();

// The constellation of 36 bytes (24,576 chips per branch) in a 400-pixel square, receive
// side unless transmit is 1.
void BM_constellation(benchmark::State& state)
{
    analog_pars().set_defaults();
    apply_start_pars(6, 36);
    Headless_screen screen;
    setup_chain(screen);
    run_transmission(screen);
    Constellation c;
    c.transmit = state.range(0) != 0;
    QImage image(400, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        Qt_canvas canvas(image);
        c.draw(canvas);
    }
}
BENCHMARK(BM_constellation)->ArgName("transmit")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The explorer's defaults with test signal 1 (chirp) or 2 (tone comb).
void BM_bp_show(benchmark::State& state)
{
    Bp_explorer explorer;
    explorer.sig_mode = static_cast<int>(state.range(0));
    explorer.signal_cache = state.range(1) != 0;
    std::array<QImage, 4> plots;
    for (QImage& p : plots) p = QImage(512, 105, QImage::Format_RGB32);
    for (auto _ : state) {
        Qt_canvas c0(plots[0]), c1(plots[1]), c2(plots[2]), c3(plots[3]);
        clear_upper_vector_state();
        explorer.show({&c0, &c1, &c2, &c3}, plot_curves);
    }
}
BENCHMARK(BM_bp_show)
    ->ArgNames({"type", "cache"})
    ->Args({1, 1})
    ->Args({1, 0})
    ->Args({2, 1})
    ->Args({2, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) { return run_window_benchmarks(argc, argv); }
