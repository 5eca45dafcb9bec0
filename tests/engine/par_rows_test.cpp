#include "analog/analog_objects.h"
#include "engine/engine_objects.h"
#include "engine/headless_screen.h"
#include "engine/par_entry.h"
#include "engine/par_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

// Every value of every buffer of the chain in use is finite, and so is the receiving
// filter's output and the chip average a plot reads.
bool all_finite()
{
    for (int k = 0; k <= nr_stages; ++k)
        for (const auto& b : stage_table[static_cast<size_t>(k)]->buf)
            for (float v : b)
                if (!std::isfinite(v)) return false;
    const Chain_signal chips{pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()};
    for (const int code : {-107, -306}) {
        constexpr float dt_us = 0.05f;
        analog_mod.prepare_plot(code, dt_us);
        for (int i = 0; i < 40; ++i)
            if (!std::isfinite(analog_mod.signal_at(chips, static_cast<float>(i) * dt_us)))
                return false;
    }
    return true;
}

// A run of the full chain on program-start values with one row typed as v; false when the
// entry is refused.
bool run_with(int r, float v)
{
    analog_pars().set_defaults();
    Par_entry e;
    e.type(r, v);
    // The pulse count and the samples per chip multiply into the run time: at the top of one
    // the other is kept at its lowest, so that the run takes well under a second.
    const Par_row& row = par_rows[static_cast<size_t>(r)];
    if (row.name == "nyquist_pulses" && v == row.hi)
        e.type(par_row_named("samples_per_chip"), 1.0f);
    if (row.name == "samples_per_chip" && v == row.hi)
        e.type(par_row_named("nyquist_pulses"), 0.0f);
    if (check_entry(e)) return false;
    apply_entry(analog_pars(), e);
    apply_start_pars(6, 3);
    Headless_screen screen;
    if (!setup_chain(screen)) return false;
    run_transmission(screen);
    return true;
}

} // namespace

// No accepted value may turn the signals into NaN or infinity: a run at each row's lowest
// and highest accepted value leaves every buffer finite.
TEST(Par_rows, RunsAtTheBoundsOfEveryRowStayFinite)
{
    for (int r = 0; r < par_row_count; ++r) {
        const Par_row& row = par_rows[static_cast<size_t>(r)];
        if (row.set == Par_set::start) continue;
        for (const float v : {row.lo, row.hi}) {
            ASSERT_TRUE(run_with(r, v)) << row.name << " = " << v << " is accepted";
            EXPECT_TRUE(all_finite()) << row.name << " = " << v;
        }
    }
    analog_pars().set_defaults();
}
