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

TEST(Path_samples, MatchesTheInstantByInstantEvaluationOnAnyNumberOfThreads)
{
    setup_fresh_chain(6, 3);
    analog_pars().iq_branches = 2.0f;
    analog_mod.prepare_run();
    const Chain_signal chips{pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()};
    for (const int threads : {1, 2, 3}) {
        Path_samples empty;
        empty.evaluate(analog_mod, chips, threads);
        EXPECT_TRUE(empty.sum.empty());
        Path_samples p;
        for (int n = 0; n < 997; ++n) p.t.push_back(static_cast<float>(n) * 1.3e-7f - 2.0e-6f);
        p.evaluate(analog_mod, chips, threads);
        for (size_t n = 0; n < p.t.size(); ++n) {
            SCOPED_TRACE(testing::Message() << threads << " threads, instant " << n);
            ASSERT_EQ(bits(p.sum[n]), bits(analog_mod.summed_if(chips, p.t[n])));
            const Analog_mod::Carriers c = analog_mod.carriers(p.t[n]);
            ASSERT_EQ(bits(p.car[n].rf_sin), bits(c.rf_sin));
            ASSERT_EQ(bits(p.car[n].noise_sin), bits(c.noise_sin));
            ASSERT_EQ(bits(p.car[n].rx_sin), bits(c.rx_sin));
            ASSERT_EQ(bits(qpsk.demodulate(0, p.t[n], 1.0f)),
                      bits(demod_gain(static_cast<float>(p.dem[0][n]))));
        }
    }
}

} // namespace
