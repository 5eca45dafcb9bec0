// The filter-independent part of the analog path, evaluated in parallel, must give the
// same bits as evaluating each instant on its own.

#include "analog/analog_objects.h"
#include "analog/path_samples.h"

#include "../engine/chain_fixture.h"

#include <gmock/gmock.h>

#include <bit>
#include <cstdint>

namespace {

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }
std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

class Path_samples_threads : public testing::TestWithParam<int> {};

TEST_P(Path_samples_threads, MatchesTheInstantByInstantEvaluation)
{
    setup_fresh_chain(6, 3);
    analog_pars().iq_branches = 2.0f;
    analog_mod.prepare_run();
    const Chain_signal chips{pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()};

    Path_samples p;
    for (int n = 0; n < 997; ++n) p.t.push_back(static_cast<float>(n) * 1.3e-7f - 2.0e-6f);
    p.evaluate(analog_mod, chips, GetParam());

    for (size_t n = 0; n < p.t.size(); ++n) {
        ASSERT_EQ(bits(p.sum[n]), bits(analog_mod.summed_if(chips, p.t[n]))) << n;
        const Analog_mod::Carriers c = analog_mod.carriers(p.t[n]);
        ASSERT_EQ(bits(p.car[n].rf_sin), bits(c.rf_sin)) << n;
        ASSERT_EQ(bits(p.car[n].noise_sin), bits(c.noise_sin)) << n;
        ASSERT_EQ(bits(p.car[n].rx_sin), bits(c.rx_sin)) << n;
        ASSERT_EQ(bits(qpsk.demodulate(0, p.t[n], 1.0f)),
                  bits(demod_gain(static_cast<float>(p.dem[0][n]))))
            << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, Path_samples_threads, testing::Values(1, 2, 3));

TEST(Path_samples, AnEmptyRunOfInstantsIsFine)
{
    setup_fresh_chain(6, 3);
    analog_mod.prepare_run();
    Path_samples p;
    p.evaluate(analog_mod, {pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()}, 2);
    EXPECT_TRUE(p.sum.empty());
}

} // namespace
