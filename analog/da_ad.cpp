#include "analog/da_ad.h"

#include "engine/number_text.h"
#include "engine/parameters.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double two_pi = 6.283185307179586;
// Chip indices beyond this cannot come from any time the plots or the ADC ask for; the
// bound only keeps the index arithmetic defined for absurd times.
constexpr double max_chip_index = 1.0e15;
} // namespace

void Da_ad::init(const std::array<float*, par_count>& par_table, int chips)
{
    f_chip = *par_table[par_chip_rate];
    const float n = *par_table[par_nyquist_pulses];
    pulses = std::isfinite(n) ? static_cast<int>(std::clamp(n, 0.0f, max_nyquist_pulses)) : 0;
    roll_off = *par_table[par_roll_off];
    n_chips = chips;
    t_chip = 1.0 / static_cast<double>(f_chip);
    w_sinc = two_pi * static_cast<double>(f_chip);
    w_cos = w_sinc * static_cast<double>(roll_off);
    const double k = 4.0 * static_cast<double>(roll_off) * static_cast<double>(f_chip);
    k_den = k * k;

    const std::string mhz = decimals_text(static_cast<double>(f_chip) * 1e-6, 3);
    caption =
        "Nyquist signals (range -/+ " + std::to_string(pulses) + ") " + " (f= " + mhz + " MHz)";
}

long long Da_ad::first_chip(float t) const
{
    const double chips = static_cast<double>(t) / t_chip;
    // A NaN instant has no chip; it reads from chip 0 rather than reach the int conversion.
    const double k0 = std::isnan(chips) ? 0.0 : std::clamp(chips, -max_chip_index, max_chip_index);
    return static_cast<long long>(k0) - pulses;
}

Da_ad::Term Da_ad::term(float t, long long k) const
{
    const auto tau =
        static_cast<float>(static_cast<double>(t) - (static_cast<double>(k) + 0.5) * t_chip);
    const double tau_d = tau;
    const auto f1 = static_cast<float>(w_sinc * tau_d);
    const auto f2 = static_cast<float>(1.0 - k_den * tau_d * tau_d);
    return {tau_d, f1 * f2};
}

// One wrap at each end suffices while N < n_chips; beyond that the index is reduced
// modulo the chip count, which gives the same chip wherever one wrap suffices.
int Da_ad::wrap(long long k) const
{
    if (k < 0)
        k += n_chips;
    else if (k >= n_chips)
        k -= n_chips;
    if (k < 0 || k >= n_chips) {
        k %= n_chips;
        if (k < 0) k += n_chips;
    }
    return static_cast<int>(k);
}

float Da_ad::nyquist(const float* chips, float t) const
{
    if (n_chips <= 0) return 0.0f;
    float sum = 0.0f;
    const long long k_first = first_chip(t);
    for (long long k = k_first; k <= k_first + 2 * pulses; ++k) {
        const Term p = term(t, k);
        float v = 2.0f * chips[wrap(k)] - 1.0f;
        // x is 0 only at tau = 0 or where the denominator vanishes; the pulse is then
        // taken as the chip value itself.
        if (std::fabs(static_cast<double>(p.x)) > 1e-80)
            v = static_cast<float>(std::sin(w_sinc * p.tau) * static_cast<double>(v) *
                                   std::cos(w_cos * p.tau) / static_cast<double>(p.x));
        sum += v;
    }
    return sum;
}

void Da_ad::nyquist_pair(const float* chips_i, const float* chips_q, float t, float& v_i,
                         float& v_q) const
{
    v_i = v_q = 0.0f;
    if (n_chips <= 0) return;
    float sum_i = 0.0f, sum_q = 0.0f;
    const long long k_first = first_chip(t);
    for (long long k = k_first; k <= k_first + 2 * pulses; ++k) {
        const Term p = term(t, k);
        const int j = wrap(k);
        float a = 2.0f * chips_i[j] - 1.0f;
        float b = 2.0f * chips_q[j] - 1.0f;
        if (std::fabs(static_cast<double>(p.x)) > 1e-80) {
            const double s = std::sin(w_sinc * p.tau);
            const double c = std::cos(w_cos * p.tau);
            const auto x = static_cast<double>(p.x);
            a = static_cast<float>(s * static_cast<double>(a) * c / x);
            b = static_cast<float>(s * static_cast<double>(b) * c / x);
        }
        sum_i += a;
        sum_q += b;
    }
    v_i = sum_i;
    v_q = sum_q;
}
