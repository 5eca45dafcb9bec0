#include "analog/analog_mod.h"
#include "analog/analog_objects.h"

#include "analog/path_samples.h"
#include "engine/par_rows.h"

#include "../engine/chain_fixture.h"

#include <gmock/gmock.h>

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr double t_chip = 1.0 / 1228800.0;

Chain_signal pn_chips() { return {pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()}; }

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }
std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }
std::vector<std::uint32_t> bits(const std::vector<float>& v)
{
    std::vector<std::uint32_t> out;
    for (const float x : v) out.push_back(bits(x));
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

// Every buffer of every stage after a run, with the pulse sums reused or summed anew.
std::vector<std::vector<float>> all_buffers(bool reuse)
{
    analog_mod.reuse_pulses = reuse;
    run_once();
    analog_mod.reuse_pulses = true;
    std::vector<std::vector<float>> out;
    for (int k = 0; k <= nr_stages; ++k)
        for (const auto& b : stage_table[static_cast<size_t>(k)]->buf) out.push_back(b);
    return out;
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

// The plots and the run share one receive step: the position 4 plot of a branch, taken at
// the ADC's instants (in seconds) and step, adds up to the soft chips the run stored.
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
    const std::pair<float, int> settings[] = {{8.5f, 9}, {7.5f, 8}, {1.0f, 1}};
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
        // float32 sums of up to 9 samples of magnitude up to 3, divided by 2.4: allow 1e-6
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
    const Row rows[] = {{4.1f, 0.1f, 8}, {4.1f, 0.05f, 16}, {4.1f, 1.0f, 1}};
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

// 7.5 samples per chip take 8 samples, but the caption names the setting truncated.
TEST(Analog_mod, CaptionsShowTheSettingsOfTheRun)
{
    setup_fresh_chain(6, 3);
    analog_mod.prepare_run();
    EXPECT_EQ(analog_mod.captions[1], "QPSK-modulated signals  (f= 80.000 MHz)");
    EXPECT_EQ(analog_mod.captions[11], "av. (8 samples/chip) demodulated chips");
    analog_pars().bp_on[0] = 1.0f;
    analog_pars().noise_to_signal = 2.46f;
    analog_pars().samples_per_chip = 7.5f;
    analog_mod.prepare_run();
    EXPECT_EQ(analog_mod.captions[2], "signals after the 1. (operating) bp filter at 81.23 MHz ");
    EXPECT_EQ(analog_mod.captions[5], "signals + noise (factor = 2.5) ");
    EXPECT_EQ(analog_mod.captions[11], "av. (7 samples/chip) demodulated chips");
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

// Each run follows the one before with one value changed, so a memo that missed a change
// would hand on stale sums; every run must equal the same run summed anew, bit for bit.
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
        Par_entry e;
        e.type(par_row_named(name), value);
        ASSERT_FALSE(check_entry(e).has_value()) << name;
        apply_entry(analog_pars(), e);
        EXPECT_EQ(all_buffers(true), all_buffers(false)) << name << " = " << value;
    }
}

// Evaluated in parallel, the filter-independent part of the path gives the same bits as
// evaluating each instant on its own.
TEST(Path_samples, MatchesTheInstantByInstantEvaluationOnAnyNumberOfThreads)
{
    setup_fresh_chain(6, 3);
    analog_mod.prepare_run();
    for (const int threads : {1, 2, 3}) {
        Path_samples p;
        for (int n = 0; n < 997; ++n) p.t.push_back(static_cast<float>(n) * 1.3e-7f - 2.0e-6f);
        p.evaluate(analog_mod, pn_chips(), threads);
        for (size_t n = 0; n < p.t.size(); ++n) {
            SCOPED_TRACE(testing::Message() << threads << " threads, instant " << n);
            ASSERT_EQ(bits(p.sum[n]), bits(analog_mod.summed_if(pn_chips(), p.t[n])));
            const Analog_mod::Carriers c = analog_mod.carriers(p.t[n]);
            ASSERT_EQ(bits(p.car[n].rf_sin), bits(c.rf_sin));
            ASSERT_EQ(bits(p.car[n].noise_sin), bits(c.noise_sin));
            ASSERT_EQ(bits(p.car[n].rx_sin), bits(c.rx_sin));
            ASSERT_EQ(bits(qpsk.demodulate(0, p.t[n], 1.0f)),
                      bits(demod_gain(static_cast<float>(p.dem[0][n]))));
        }
    }
}
