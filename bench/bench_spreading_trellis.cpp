// Timed steps of the teaching views (outside ctest: `make bench`).

#include "engine/conv_code.h"
#include "engine/engine_objects.h"
#include "engine/headless_screen.h"
#include "engine/parameters.h"
#include "engine/pn_survey.h"
#include "plot/trellis_picture.h"
#include "ui/pictures/plot_picture.h"
#include "ui/pictures/qt_canvas.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// The explorer's timing loop: steps of the PN-U generator, with a report every chunk.
void BM_pn_timing_loop(benchmark::State& state)
{
    No_progress quiet;
    const auto count = static_cast<std::uint64_t>(state.range(0));
    for (auto _ : state) {
        const Pn_timing t = time_pn_steps(pn_spread_u, &PN_spread::step_u, count, quiet);
        benchmark::DoNotOptimize(t.reg);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_pn_timing_loop)->Arg(1 << 24)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same steps in a bare loop, for comparison.
void BM_pn_bare_steps(benchmark::State& state)
{
    const auto count = static_cast<std::uint64_t>(state.range(0));
    for (auto _ : state) {
        std::uint64_t reg = 1;
        for (std::uint64_t k = 0; k < count; ++k) pn_spread_u.step_u(reg);
        benchmark::DoNotOptimize(reg);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_pn_bare_steps)->Arg(1 << 24)->Unit(benchmark::kMillisecond)->UseRealTime();

// A PN-U function number near the top of its range, reached by jumping ahead.
void BM_pn_jump_u(benchmark::State& state)
{
    std::uint64_t x = (std::uint64_t{1} << 42) - 12345;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pn_jump(1, PN_spread::u_mask, x));
        x ^= 0x5A5A5A5A5ull; // another number each time, still below 2^42
    }
}
BENCHMARK(BM_pn_jump_u)->Unit(benchmark::kMicrosecond);

// One click of the decoder view: two trellis steps drawn into the three boxes' images.
void BM_decoder_click(benchmark::State& state)
{
    const auto app = headless_application();
    analog_pars().set_defaults();
    apply_start_pars(6, 3);
    Headless_screen screen;
    setup_chain(screen);
    run_transmission(screen);
    QImage upper(993, 95, QImage::Format_RGB32);
    QImage lower(997, 96, QImage::Format_RGB32);
    QImage data(993, 120, QImage::Format_RGB32);
    Trellis_picture view;
    {
        Qt_canvas d(data);
        view.data_paint(d, *stage_table[0], *stage_table[2]);
    }
    for (auto _ : state) {
        Qt_canvas u(upper), l(lower), d(data);
        view.proceed(conv_code, u, l, d);
    }
}
BENCHMARK(BM_decoder_click)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
