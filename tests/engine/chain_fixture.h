#pragma once
// The engine's objects are static: every test sets the parameters it relies on.

#include "engine/elements.h"
#include "engine/headless_screen.h"
#include "engine/parameters.h"
#include "engine/engine_objects.h"

#include <gtest/gtest.h>

// Program-start parameters, then the given start parameters and a set-up chain.
inline void setup_fresh_chain(int stages, int bytes)
{
    analog_pars().set_defaults();
    apply_start_pars(stages, bytes);
    Headless_screen screen;
    ASSERT_TRUE(setup_chain(screen));
}

// One run as the run button does it; returns the screen it reported to.
inline Headless_screen run_once()
{
    Headless_screen screen;
    run_transmission(screen);
    return screen;
}
