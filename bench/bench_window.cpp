// Timed window work on the offscreen platform (outside ctest: `make bench`).

#include "engine/parameters.h"
#include "ui/get_plots.h"
#include "ui/main_screen.h"
#include "ui/run_menue.h"
#include "ui/set_times.h"
#include "ui/sim_application.h"
#include "ui/lr_spinner.h"
#include "ui/start_menue.h"

#include <QCoreApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <array>
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
    analog_pars().set_defaults();
    apply_start_pars(6, 3);
    TMain_screen main;
    main.show();
    main.open_start_menu();
    main.start_menu->setupClick();
    main.run_menu->Get_plots->runClick();
    constexpr std::array<int, 10> codes{1, -1, 105, -105, 106, -106, 7, 10, -10, -107};
    for (int code : codes) main.view_item(code);
    settle();
    Lr_spinner& width = *main.run_menu->Set_times->UpDown1;
    int direction = -1;
    for (auto _ : state) {
        direction > 0 ? width.click_right() : width.click_left();
        direction = -direction;
    }
}
BENCHMARK(BM_time_window_change)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Sim_application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
