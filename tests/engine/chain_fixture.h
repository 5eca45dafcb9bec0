#pragma once
// The engine's objects are static: every test sets the parameters it relies on.

#include "engine/elements.h"
#include "engine/engine_objects.h"
#include "engine/headless_screen.h"
#include "engine/parameters.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

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

// Every stored analog value, as bits.
inline std::vector<std::uint32_t> parameter_bits()
{
    std::vector<std::uint32_t> bits;
    for (const float* v : analog_pars().par_table) bits.push_back(std::bit_cast<std::uint32_t>(*v));
    return bits;
}

// The same, then every buffer of the chain.
inline std::vector<std::uint32_t> chain_bits()
{
    std::vector<std::uint32_t> bits = parameter_bits();
    for (int k = 0; k <= nr_stages; ++k)
        for (const std::vector<float>& b : stage_table[static_cast<size_t>(k)]->buf)
            for (float v : b) bits.push_back(std::bit_cast<std::uint32_t>(v));
    return bits;
}
