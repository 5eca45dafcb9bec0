#pragma once
// What the window benchmarks share: a main screen set up and run as a user does it, and a
// main that makes the one application object (offscreen without a display).

#include "engine/parameters.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/main_screen.h"
#include "ui/windows/run_menue.h"
#include "ui/windows/sim_application.h"
#include "ui/windows/start_menue.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

// Program-start parameters with all six stages and the given block, set up and run once.
inline void set_up_and_run(TMain_screen& main, int bytes)
{
    analog_pars().set_defaults();
    apply_start_pars(6, bytes);
    main.show();
    main.open_start_menu();
    main.start_menu()->setupClick();
    main.run_menu()->Get_plots->runClick();
    QCoreApplication::processEvents();
}

inline void use_offscreen_without_display()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

inline int run_window_benchmarks(int argc, char** argv)
{
    use_offscreen_without_display();
    Sim_application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
