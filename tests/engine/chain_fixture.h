#pragma once
// What the engine tests share. The engine's objects are static: every test sets the
// parameters it relies on.

#include "engine/elements.h"
#include "engine/engine_objects.h"
#include "engine/headless_screen.h"
#include "engine/par_entry.h"
#include "engine/parameters.h"
#include "engine/progress.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

// The index of the named row of par_rows.
inline int row(std::string_view name)
{
    const int r = par_row_named(name);
    EXPECT_GE(r, 0) << name;
    return r;
}

// A value typed into a named row, in the row's unit.
struct Typed {
    std::string_view name;
    float value;
};

inline Par_entry entry(const std::vector<Typed>& typed)
{
    Par_entry e;
    for (const Typed& t : typed) e.type(row(t.name), t.value);
    return e;
}

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

// Asks to stop at the first report of a share beyond `beyond`.
class Stop_past_share : public Progress {
public:
    explicit Stop_past_share(double share) : beyond(share) {}
    bool report(double done) override { return done <= beyond; }
    double beyond;
};

// Every stored value of an analog block, as bits.
inline std::vector<std::uint32_t> stored_bits(const Analog_pars& p = analog_pars())
{
    std::vector<std::uint32_t> bits;
    for (const float* v : p.par_table) bits.push_back(std::bit_cast<std::uint32_t>(*v));
    return bits;
}

// The same for the program's block, then every buffer of the chain.
inline std::vector<std::uint32_t> chain_bits()
{
    std::vector<std::uint32_t> bits = stored_bits();
    for (int k = 0; k <= nr_stages; ++k)
        for (const std::vector<float>& b : stage_table[static_cast<size_t>(k)]->buf)
            for (float v : b) bits.push_back(std::bit_cast<std::uint32_t>(v));
    return bits;
}
