// Timed runs of the chain and its hot spots (outside ctest: `make bench`).

#include "analog/analog_objects.h"
#include "analog/fft.h"
#include "engine/engine_objects.h"
#include "engine/headless_screen.h"
#include "engine/parameters.h"
#include "plot/null_canvas.h"
#include "plot/plot_objects.h"
#include "plot/time_base.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

void set_up(int bytes)
{
    analog_pars().set_defaults();
    apply_start_pars(6, bytes);
    Headless_screen screen;
    setup_chain(screen);
    run_transmission(screen);
}

// One run as the run button times it, plus the analog preparation.
// Every run sums the DAC's pulses anew, as the first run after a change of the data or
// the DAC does.
void BM_full_run(benchmark::State& state)
{
    set_up(static_cast<int>(state.range(0)));
    analog_mod.reuse_pulses = false;
    for (auto _ : state) {
        analog_mod.prepare_run();
        transmission.run(stage_table.data(), nr_stages);
    }
    analog_mod.reuse_pulses = true;
}
BENCHMARK(BM_full_run)->Arg(3)->Arg(9)->Arg(36)->Unit(benchmark::kMillisecond)->UseRealTime();

// Runs after the first take the pulse sums of the run before, as a sweep of the noise does.
void BM_repeated_run(benchmark::State& state)
{
    set_up(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        analog_mod.prepare_run();
        transmission.run(stage_table.data(), nr_stages);
    }
}
BENCHMARK(BM_repeated_run)->Arg(36)->Unit(benchmark::kMillisecond)->UseRealTime();

// The analog transmit step evaluated sample by sample, for comparison.
void BM_analog_reference(benchmark::State& state)
{
    set_up(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        analog_mod.prepare_run();
        Chain_signal s{pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()};
        analog_mod.xmit_reference(s);
    }
}
BENCHMARK(BM_analog_reference)->Arg(36)->Unit(benchmark::kMillisecond)->UseRealTime();

// A 750-pixel plot of point -10: preparation and two passes of 749 evaluations.
void BM_analog_plot(benchmark::State& state)
{
    set_up(36);
    const Chain_signal chips{pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()};
    constexpr int pixels = 749;
    const float us_per_px = 250.0f / 750.0f;
    for (auto _ : state) {
        analog_mod.prepare_plot(-10, us_per_px);
        float sum = 0.0f;
        for (int pass = 0; pass < 2; ++pass)
            for (int x = 0; x < pixels; ++x)
                sum += analog_mod.signal_at(chips, static_cast<float>(x) * us_per_px);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_analog_plot)->Unit(benchmark::kMicrosecond);

// One 750-pixel signal plot window of point -10 as the window draws it (3 bytes, the first
// 250 µs), into a canvas that draws nothing. Arg 0 computes every column twice, for
// comparison.
void BM_signal_plot_draw(benchmark::State& state)
{
    set_up(3);
    float t_total = 0.0f;
    time_base(1, &t_total, nullptr);
    float width = 250.0f, start = 0.0f;
    time_base(2, &width, &start);
    Null_canvas box(750, 128);
    plot_ctrl.column_cache = state.range(0) != 0;
    for (auto _ : state) benchmark::DoNotOptimize(draw_signal_plot(-10, box));
    plot_ctrl.column_cache = true;
}
BENCHMARK(BM_signal_plot_draw)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_viterbi_576(benchmark::State& state)
{
    set_up(36);
    std::vector<float> soft(576);
    for (size_t k = 0; k < soft.size(); ++k) soft[k] = conv_code.buf[0][k] * 0.8f + 0.1f;
    for (auto _ : state) {
        Chain_signal s{soft.data(), nullptr};
        conv_code.rcve(s);
        benchmark::DoNotOptimize(s.i);
    }
}
BENCHMARK(BM_viterbi_576)->Unit(benchmark::kMicrosecond);

void BM_real_fft_512(benchmark::State& state)
{
    std::vector<float> x(512);
    for (auto _ : state) {
        state.PauseTiming();
        for (size_t j = 0; j < x.size(); ++j) x[j] = std::sin(0.1f * static_cast<float>(j));
        state.ResumeTiming();
        FFT::real_fft(x.data(), 256, 1);
        benchmark::DoNotOptimize(x.data());
    }
}
BENCHMARK(BM_real_fft_512)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
