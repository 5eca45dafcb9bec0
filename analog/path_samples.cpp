#include "analog/path_samples.h"

#include "analog/path_evaluation.h"

#include <algorithm>
#include <cmath>

namespace {

// Analog_mod::summed_if from both branches' pulse sums.
float summed_if_pair(const Analog_mod& a, float t, float pulse_i, float pulse_q)
{
    float v[2] = {pulse_i, pulse_q};
    if (a.if_mod > 0.0f) {
        const float phase = a.qpsk.tx_phase(t);
        v[0] = mix(0, phase, v[0]);
        v[1] = mix(1, phase, v[1]);
    }
    float sum = 0.0f;
    sum += v[0];
    sum += v[1];
    return static_cast<float>(static_cast<long double>(sum) * Analog_mod::branch_sum_scale);
}

} // namespace

void Path_samples::evaluate_range(const Analog_mod& a, const Chain_signal& chips, size_t from,
                                  size_t to)
{
    const bool pair = a.branch_count() == 2;
    const bool demod = a.if_demod > 0.0f;
    for (size_t n = from; n < to; ++n) {
        const float tn = t[n];
        if (pair) {
            if (!pulses_given) a.da_ad.nyquist_pair(chips.i, chips.q, tn, pulse[0][n], pulse[1][n]);
            sum[n] = summed_if_pair(a, tn, pulse[0][n], pulse[1][n]);
        } else {
            sum[n] = a.summed_if(chips, tn);
        }
        car[n] = a.carriers(tn);
        if (demod) {
            const auto phase = static_cast<double>(a.qpsk.rx_phase(tn));
            dem[0][n] = std::sin(phase);
            dem[1][n] = std::cos(phase);
        }
    }
}

void Path_samples::size_results(const Analog_mod& a)
{
    const size_t n = t.size();
    sum.resize(n);
    car.resize(n);
    for (auto& d : dem) d.resize(n);
    if (!pulses_given)
        for (auto& p : pulse) p.resize(a.branch_count() == 2 ? n : 0);
}

void Path_samples::evaluate(const Analog_mod& a, const Chain_signal& chips, int threads)
{
    Path_evaluation(*this, a, chips, threads).finish();
}
