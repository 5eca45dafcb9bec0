#include "analog/qpsk.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double w_if = 6.283185307179586 * 80.0e6; // default IF, rad/s

struct Iq {
    Analog_pars p;
    Qpsk q;
    explicit Iq(float phase_pct = 0.0f)
    {
        p.if_phase_pct = phase_pct;
        q.init(p.par_table);
    }
};

// The carrier phase at t, rounded to float as both oscillators round it.
double float_phase(float t)
{
    return static_cast<double>(static_cast<float>(w_if * static_cast<double>(t)));
}

} // namespace

TEST(Qpsk, DemodulationWithoutErrorsIsTenSinSquaredOfTheSameFloatPhase)
{
    const Iq iq;
    for (int n = 0; n < 2000; ++n) {
        const float t = static_cast<float>(n) * 8.5e-7f; // up to 1.7 ms, phase up to 8.5e5 rad
        const double s = std::sin(float_phase(t)), c = std::cos(float_phase(t));
        // two float roundings of a product up to 1, times the gain 10: allow 1e-5
        EXPECT_NEAR(iq.q.demodulate(0, t, iq.q.modulate(0, t, 1.0f)), 10 * s * s, 1e-5) << t;
        EXPECT_NEAR(iq.q.demodulate(1, t, iq.q.modulate(1, t, 1.0f)), 10 * c * c, 1e-5) << t;
    }
}

TEST(Qpsk, QuarterTurnPhaseErrorMakesBranchZeroDemodulateWithCosine)
{
    const Iq iq(25.0f);
    for (int n = 0; n < 1000; ++n) {
        const float t = static_cast<float>(n) * 1.0e-9f; // phase below 512 rad
        // such a phase is held in float steps of 3.05e-5 rad; gain 10: allow 5e-4
        EXPECT_NEAR(iq.q.demodulate(0, t, 1.0f), 10 * std::cos(float_phase(t)), 5e-4) << t;
        EXPECT_NEAR(iq.q.demodulate(1, t, 1.0f), -10 * std::sin(float_phase(t)), 5e-4) << t;
    }
}
