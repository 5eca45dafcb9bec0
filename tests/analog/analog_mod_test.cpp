#include "analog/analog_mod.h"
#include "analog/analog_objects.h"

#include "analog/path_samples.h"

#include "../engine/chain_fixture.h"

#include <gmock/gmock.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using testing::ElementsAreArray;

namespace {

constexpr double t_chip = 1.0 / 1228800.0, pi = 3.141592653589793;

Chain_signal pn_chips() { return {pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()}; }

std::vector<std::uint32_t> bits(const std::vector<float>& v)
{
    std::vector<std::uint32_t> out;
    for (const float x : v) out.push_back(std::bit_cast<std::uint32_t>(x));
    return out;
}

// The analog transmit step alone on the chips of the last run: bit patterns of buffers 0, 1.
std::vector<std::uint32_t> transmit(bool fast)
{
    analog_mod.prepare_run();
    Chain_signal s = pn_chips();
    fast ? analog_mod.xmit(s) : analog_mod.xmit_reference(s);
    std::vector<std::uint32_t> out = bits(analog_mod.buf[0]), q = bits(analog_mod.buf[1]);
    out.insert(out.end(), q.begin(), q.end());
    return out;
}

// A named change of the defaults: {par_table index, value} pairs.
using Named_pars = std::pair<std::string, std::vector<std::pair<int, float>>>;
const Named_pars par_sets[] = {
    {"defaults", {}},
    {"all_filters", {{par_bp_first, 1.0f}, {par_bp_first + 3, 1.0f}, {par_bp_first + 6, 1.0f}}},
    {"one_branch", {{par_iq_branches, 1.0f}}},
    {"noise_2", {{par_noise_to_signal, 2.0f}}},
    {"detuned",
     {{par_if_detune_pct, 0.5f},
      {par_if_phase_pct, 10.0f},
      {par_rf_detune_pct, 0.01f},
      {par_rf_phase_pct, 30.0f}}},
    {"samples_7_5", {{par_samples_per_chip, 7.5f}}},
    {"if_mod_off", {{par_if_mod, 0.0f}}},
};

// A fresh chain of bytes with the set applied, after one run.
void run_with(const Named_pars& set, int bytes = 3)
{
    setup_fresh_chain(6, bytes);
    for (const auto& [index, value] : set.second)
        *analog_pars().par_table[static_cast<size_t>(index)] = value;
    run_once();
}

// Every part of the path off: the receive value is the scaled sum of both DAC outputs.
void path_off(Analog_pars& p)
{
    p.if_mod = p.if_demod = p.rf_mod = p.rf_demod = 0.0f;
    std::fill(std::begin(p.bp_on), std::end(p.bp_on), 0.0f);
}

double dac_sum(const Chain_signal& c, float t)
{
    return 2.0 / 3 * static_cast<double>(da_ad.nyquist(c.i, t) + da_ad.nyquist(c.q, t));
}

} // namespace

// The runs compare bits only; the captions and values below also run under a comma locale.
TEST(Analog_mod_runs, FastTransmitMatchesReferenceBitForBit)
{
    for (const Named_pars& set : par_sets)
        for (const int bytes : {3, 9}) {
            SCOPED_TRACE(set.first + ", " + std::to_string(bytes) + " bytes");
            run_with(set, bytes);
            const auto want = transmit(false);
            EXPECT_EQ(transmit(true), want);
            // Blocks of 1001 instants: chips start in one block and end in the next, with
            // the pulse sums computed anew and then taken from the run before.
            const size_t saved = Analog_mod::block_samples;
            Analog_mod::block_samples = 1001;
            for (const bool reuse : {false, true}) {
                analog_mod.reuse_pulses = reuse;
                EXPECT_EQ(transmit(true), want) << "split chips, reuse " << reuse;
            }
            Analog_mod::block_samples = saved;
        }
}

TEST(Analog_mod_runs, SoftChipsLieAboveHalfWhereTheChipIsOne)
{
    for (const int bytes : {3, 36}) {
        run_with(par_sets[0], bytes);
        int wrong = 0;
        for (size_t b = 0; b < 2; ++b)
            for (size_t k = 0; k < analog_mod.buf[b].size(); ++k)
                wrong += (analog_mod.buf[b][k] > 0.5f) != (pn_spread_iq.buf[b][k] == 1.0f);
        // the float-rounded carrier phase of late chips leaves the rare chip near 0.5
        EXPECT_LE(wrong, bytes == 3 ? 0 : 2 * analog_mod.out_len / 200) << bytes;
    }
    run_with(par_sets[2]); // one branch
    EXPECT_THAT(analog_mod.buf[1], testing::Each(0.5f));
}

// The plots and the run share one receive step: the band-pass position 4 plot of a branch,
// taken at the ADC's instants (in seconds, as not every one of them is a float number of
// microseconds) and step, adds up to the soft chips the run stored.
TEST(Analog_mod_runs, BandPass4PlotAtTheAdcInstantsGivesTheStoredSoftChips)
{
    for (const Named_pars& set : par_sets) {
        SCOPED_TRACE(set.first);
        run_with(set);
        const std::array<std::vector<float>, 2> stored{analog_mod.buf[0], analog_mod.buf[1]};
        const float spc = analog_mod.samples_per_chip;
        const auto dt = static_cast<float>(analog_mod.t_chip / static_cast<double>(spc));
        const auto adc_step_us =
            static_cast<float>(1e6 / static_cast<double>(spc * analog_mod.chip_rate));
        for (const int b : {0, 1}) {
            if (b >= analog_mod.branch_count()) break;
            analog_mod.prepare_plot(b == 0 ? -107 : -207, adc_step_us);
            std::vector<float> got;
            for (int k = 0; k < analog_mod.out_len; ++k) {
                auto t = static_cast<float>(k * analog_mod.t_chip + 0.5 * static_cast<double>(dt));
                float acc = 0.0f;
                for (int j = 0; j < analog_mod.sample_count(); ++j, t += dt)
                    acc += analog_mod.point_value(pn_chips(), t);
                got.push_back(analog_mod.adc_result(acc));
            }
            EXPECT_EQ(bits(got), bits(stored[static_cast<size_t>(b)])) << "branch " << b;
        }
    }
}

// A chip takes ceil(samples per chip) samples, dt = Tc / samples per chip apart, from dt / 2
// after its start; the sum is divided by 1.2 times the setting.
TEST(Analog_mod, AdcWithEverythingOffAveragesTheScaledDacSum)
{
    const std::pair<float, int> settings[] = {
        {8.0f, 8}, {8.5f, 9}, {8.25f, 9}, {7.5f, 8}, {1.0f, 1}};
    for (const auto& [per_chip, samples] : settings) {
        SCOPED_TRACE(per_chip);
        setup_fresh_chain(6, 3);
        path_off(analog_pars());
        analog_pars().samples_per_chip = per_chip;
        run_once();
        const auto dt = static_cast<float>(t_chip / static_cast<double>(per_chip));
        std::vector<float> want;
        for (int k = 0; k < analog_mod.out_len; ++k) {
            // the ADC's instants: half a float step after the chip start, then float steps
            auto t = static_cast<float>(k * t_chip + 0.5 * static_cast<double>(dt));
            double acc = 0;
            for (int j = 0; j < samples; ++j, t += dt) acc += dac_sum(pn_chips(), t);
            want.push_back(static_cast<float>((acc / 1.2 / static_cast<double>(per_chip) + 1) / 2));
        }
        // float32 sums of up to 9 samples of magnitude up to 3 (rounding steps of 2.4e-7 at
        // most), divided by 2.4 times the setting: allow 1e-6
        EXPECT_THAT(analog_mod.buf[0], testing::Pointwise(testing::FloatNear(1e-6f), want));
        EXPECT_THAT(analog_mod.buf[1], testing::Pointwise(testing::FloatNear(1e-6f), want));
    }
}

// The display average at t: the mean over t, t + dt, ... of every plot step that starts
// before the end of t's chip, held for the rest of the chip.
TEST(Analog_mod, ChipAverageTakesEveryPlotStepLeftInTheChip)
{
    setup_fresh_chain(6, 3);
    path_off(analog_pars());
    run_once();
    // Chip 5 ends at 6 / 1.2288 MHz = 4.8828 µs; from 4.1 µs 0.7828 µs are left.
    struct Row {
        float t_us, dt_us;
        int steps; // 1 + trunc(0.7828 / dt)
    };
    const Row rows[] = {{4.1f, 0.1f, 8}, {4.1f, 0.25f, 4}, {4.1f, 0.05f, 16}, {4.1f, 1.0f, 1}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.dt_us);
        analog_mod.prepare_plot(-306, r.dt_us);
        double sum = 0;
        auto u = static_cast<float>(static_cast<double>(r.t_us) * 1e-6);
        for (int m = 0; m < r.steps; ++m) {
            sum += dac_sum(pn_chips(), u);
            u = static_cast<float>(static_cast<double>(u) + static_cast<double>(r.dt_us) * 1e-6);
        }
        // float32 sum of up to 16 values up to 2: allow 1e-6
        EXPECT_NEAR(analog_mod.signal_at(pn_chips(), r.t_us), sum / r.steps, 1e-6);
        EXPECT_NEAR(analog_mod.signal_at(pn_chips(), 4.8f), sum / r.steps, 1e-6) << "held";
    }
}

TEST(Analog_mod, NoisePointAddsRfCarrierAnEighthTurnAhead)
{
    setup_fresh_chain(6, 3);
    analog_pars().noise_to_signal = 0.5f;
    analog_pars().rf_mod = 0.0f;
    run_once();
    analog_mod.prepare_plot(11, 0.0371f);
    const Chain_signal c = pn_chips();
    for (int n = 0; n < 3000; ++n) {
        const float t_us = static_cast<float>(n) * 0.0371f;
        const auto t = static_cast<float>(static_cast<double>(t_us) * 1e-6);
        const float sum =
            qpsk.modulate(0, t, da_ad.nyquist(c.i, t)) + qpsk.modulate(1, t, da_ad.nyquist(c.q, t));
        const auto phi = static_cast<float>(2 * pi * 900.0e6 * static_cast<double>(t)); // as float
        const double want =
            2.0 / 3 * static_cast<double>(sum) + 0.5 * std::sin(static_cast<double>(phi) + pi / 4);
        // float32 sum of values up to 2: allow 1e-6
        EXPECT_NEAR(analog_mod.signal_at(c, t_us), want, 1e-6) << "t_us " << t_us;
    }
}

// 7.5 samples per chip take 8 samples, but the caption names the setting truncated.
TEST(Analog_mod, PrepareRunBuildsTheCaptionsOfAllPoints)
{
    setup_fresh_chain(6, 3);
    analog_mod.prepare_run();
    EXPECT_THAT(analog_mod.captions,
                ElementsAreArray({
                    "Nyquist signals (range -/+ 20)  (f= 1.229 MHz)",
                    "QPSK-modulated signals  (f= 80.000 MHz)",
                    "signals after the 1. (unused) bp filter at 81.23 MHz ",
                    "RF-modulated signals (f= 900.000 MHz)",
                    "signals after the 2. (unused) bp filter at 981.23 MHz ",
                    "signals + noise (factor = 0.0) ",
                    "RF-demodulated signals ",
                    "signals after the 3. (unused) bp filter at 81.23 MHz ",
                    "QPSK-demodulated signals ",
                    "signals after the 4. (operating) bp filter at 1.23 MHz ",
                    "averages over the demod. chips (depend on the plot's time resolution)",
                    "av. (8 samples/chip) demodulated chips",
                }));
    analog_pars().bp_on[0] = 1.0f;
    analog_pars().noise_to_signal = 2.46f;
    analog_pars().samples_per_chip = 7.5f;
    analog_mod.prepare_run();
    EXPECT_EQ(analog_mod.captions[2], "signals after the 1. (operating) bp filter at 81.23 MHz ");
    EXPECT_EQ(analog_mod.captions[5], "signals + noise (factor = 2.5) ");
    EXPECT_EQ(analog_mod.captions[11], "av. (7 samples/chip) demodulated chips");
}

TEST(Analog_mod, NamesFollowThePointEvaluated)
{
    setup_fresh_chain(6, 3);
    run_once();
    const auto& c = analog_mod.captions;
    // {code, names entry, caption}: points 6 .. 11 write names[0], receive points names[1]
    const std::tuple<int, size_t, size_t> cases[] = {
        {106, 0, 0}, {207, 0, 1}, {7, 0, 1},    {9, 0, 3},    {11, 0, 5},
        {-10, 1, 6}, {-9, 1, 7},  {-208, 1, 8}, {-107, 1, 9}, {-306, 1, 10}};
    for (const auto& [code, name, caption] : cases) {
        analog_mod.prepare_plot(code, 0.05f);
        EXPECT_EQ(analog_mod.names[0], c[0]) << code;
        EXPECT_EQ(analog_mod.names[1], c[11]) << code;
        analog_mod.signal_at(pn_chips(), 1.0f);
        EXPECT_EQ(analog_mod.names[name], c[caption]) << code;
    }
}

// Two passes over the plot instants, then a pass over other instants: with the columns
// stored, the same bits as computing every one. The second prepare_plot of a code must
// also clear what the first pass left in the filters.
TEST(Analog_mod_runs, StoredColumnsGiveTheSameValuesAsComputingThem)
{
    const auto three_passes = [](int code, const std::vector<float>& t_us) {
        analog_mod.prepare_plot(code, 0.33333334f);
        std::vector<float> v;
        for (const float shift : {0.0f, 0.0f, 0.1f})
            for (const float t : t_us) v.push_back(analog_mod.signal_at(pn_chips(), t + shift));
        return bits(v);
    };
    for (const Named_pars& set : par_sets) {
        run_with(set);
        std::vector<float> t_us;
        for (int x = 0; x < 749; ++x) t_us.push_back(static_cast<float>(x) * 0.33333334f + 3.0f);
        Path_samples columns;
        for (const float t : t_us) columns.t.push_back(Analog_mod::seconds(t));
        columns.evaluate(analog_mod, pn_chips(), 2);
        for (const int code :
             {106, 206, 107, 207, 7, 8, 9, 10, 11, -10, -9, -108, -208, -107, -207, -306, -406}) {
            SCOPED_TRACE(set.first + " " + std::to_string(code));
            const auto plain = three_passes(code, t_us);
            analog_mod.use_columns(&columns, pn_chips());
            const auto cached = three_passes(code, t_us);
            analog_mod.use_columns(nullptr, {});
            EXPECT_EQ(cached, plain);
        }
    }
}
