#include "analog/analog_objects.h"
#include "engine/par_entry.h"
#include "engine/par_rows.h"
#include "tests/engine/chain_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Every buffer of every stage after a run, for exact comparison.
std::vector<std::vector<float>> all_buffers()
{
    std::vector<std::vector<float>> out;
    for (int k = 0; k <= nr_stages; ++k)
        for (const auto& b : stage_table[static_cast<size_t>(k)]->buf) out.push_back(b);
    return out;
}

void set(const std::string& name, float value)
{
    Par_entry e;
    e.type(par_row_named(name), value);
    ASSERT_FALSE(check_entry(e).has_value()) << name;
    apply_entry(analog_pars(), e);
}

std::vector<std::vector<float>> run_with_reuse(bool reuse)
{
    analog_mod.reuse_pulses = reuse;
    run_once();
    analog_mod.reuse_pulses = true;
    return all_buffers();
}

} // namespace

// Each run follows the one before with one value changed, so a memo that missed a change
// would hand on stale sums; every run must equal the same run summed anew, bit for bit.
// (Other data, hence other chips, is covered by the stage's fast-against-reference test,
// which runs 3 and then 9 bytes with the memo on.)
TEST(Pulse_memo, RunsTakingTheSumsOfTheRunBeforeEqualRunsSummingAnew)
{
    setup_fresh_chain(6, 3);
    run_once();
    const std::vector<std::pair<std::string, float>> changes = {
        {"noise_to_signal", 2.0f}, {"noise_to_signal", 2.0f},  {"bp_width4", 3.0f},
        {"rf_phase_pct", 10.0f},   {"if_detune_pct", 1.0f},    {"roll_off", 0.3f},
        {"nyquist_pulses", 4.0f},  {"samples_per_chip", 4.0f}, {"if_mod", 0.0f},
        {"noise_to_signal", 0.0f}};
    for (const auto& [name, value] : changes) {
        set(name, value);
        const auto reused = run_with_reuse(true);
        const auto anew = run_with_reuse(false);
        ASSERT_EQ(reused.size(), anew.size());
        for (size_t b = 0; b < anew.size(); ++b)
            EXPECT_EQ(reused[b], anew[b]) << name << " = " << value << ", buffer " << b;
    }
}
