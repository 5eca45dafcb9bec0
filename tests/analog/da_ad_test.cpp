#include "analog/da_ad.h"

#include <gmock/gmock.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr double f_chip = 1228800.0, t_chip = 1.0 / f_chip;

float at_chip(double chips) { return static_cast<float>(chips * t_chip); }

std::vector<float> random_chips(int n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<float> c(static_cast<size_t>(n));
    for (auto& v : c) v = static_cast<float>(gen() % 2);
    return c;
}

struct Dac {
    Analog_pars p;
    Da_ad da;
    explicit Dac(int n_chips, float pulses = 20.0f)
    {
        p.nyquist_pulses = pulses;
        da.init(p.par_table, n_chips);
    }
};

} // namespace

// All ones: 1 at the centres, 1/2 a quarter chip away, 0 at the boundaries; alternating
// chips: -/+1 at the centres and -/+cos(pi/4) a quarter chip away; also across the wrap.
// A float t misses the centre by up to 1e-13 s and the 40 neighbouring terms each round to
// about 1e-8 instead of 0: allow 3 float ulps of 1 there; the cut after 20 pulses leaves
// about 1.3e-5 at the quarters: allow 5e-5.
TEST(Da_ad, RepeatedPatternsPeakAtTheCentresAndFollowTheCosineBetween)
{
    const Dac d(64);
    std::vector<float> ones(64, 1.0f), alternating(64);
    for (size_t k = 0; k < alternating.size(); ++k) alternating[k] = static_cast<float>(k % 2);
    for (int k = 0; k < 64; ++k) {
        SCOPED_TRACE(k);
        const double sign = k % 2 ? 1.0 : -1.0;
        EXPECT_NEAR(d.da.nyquist(ones.data(), at_chip(k)), 0.0, 1e-7);
        for (const double quarter : {0.25, 0.75}) {
            EXPECT_NEAR(d.da.nyquist(ones.data(), at_chip(k + quarter)), 0.5, 5e-5);
            EXPECT_NEAR(d.da.nyquist(alternating.data(), at_chip(k + quarter)),
                        sign * std::sqrt(0.5), 5e-5);
        }
        EXPECT_NEAR(d.da.nyquist(ones.data(), at_chip(k + 0.5)), 1.0, 3.6e-7);
        EXPECT_NEAR(d.da.nyquist(alternating.data(), at_chip(k + 0.5)), sign, 3.6e-7);
    }
}

// At centres, zeros of the denominator, and instants without a chip.
TEST(Da_ad, PairEqualsTwoSingleCallsBitForBit)
{
    const Dac d(40);
    const std::vector<float> ci = random_chips(40, 1), cq = random_chips(40, 2);
    std::vector<float> instants = {std::nanf(""), HUGE_VALF, -HUGE_VALF, 3.0e38f};
    for (int n = 0; n < 40 * 16; ++n) instants.push_back(at_chip(n / 16.0 + (n % 3) * 0.01));
    std::vector<std::uint32_t> want, got;
    for (const float t : instants) {
        float vi = 0.0f, vq = 0.0f;
        d.da.nyquist_pair(ci.data(), cq.data(), t, vi, vq);
        got.insert(got.end(), {std::bit_cast<std::uint32_t>(vi), std::bit_cast<std::uint32_t>(vq)});
        want.push_back(std::bit_cast<std::uint32_t>(d.da.nyquist(ci.data(), t)));
        want.push_back(std::bit_cast<std::uint32_t>(d.da.nyquist(cq.data(), t)));
    }
    EXPECT_THAT(got, testing::ElementsAreArray(want));
}
