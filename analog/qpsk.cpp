#include "analog/qpsk.h"

#include "engine/number_text.h"

#include <cmath>

namespace {
constexpr double two_pi = 6.283185307179586;
constexpr double pi = 3.141592653589793;
} // namespace

float mix(int branch, float phase, float x)
{
    const auto ph = static_cast<double>(phase);
    return static_cast<float>(static_cast<double>(x) * (branch == 0 ? std::sin(ph) : std::cos(ph)));
}

void Qpsk::init(const std::array<float*, par_count>& par_table)
{
    f_if = *par_table[par_if_freq];
    if_detune_pct = *par_table[par_if_detune_pct];
    if_phase_pct = *par_table[par_if_phase_pct];
    w_if = two_pi * static_cast<double>(f_if);
    w_if_rx =
        (0.01 * static_cast<double>(if_detune_pct) + 1.0) * static_cast<double>(f_if) * two_pi;
    ph_if_rx = static_cast<double>(if_phase_pct) * 0.01 * 2.0 * pi;

    const std::string mhz = decimals_text(static_cast<double>(f_if) * 1e-6, 3);
    captions[0] = std::string("QPSK-modulated signals ") + " (f= " + mhz + " MHz)";
    captions[1] = "QPSK-demodulated signals ";
}

float Qpsk::modulate(int branch, float t, float x) const { return mix(branch, tx_phase(t), x); }

float Qpsk::demodulate(int branch, float t, float x) const
{
    return demod_gain(mix(branch, rx_phase(t), x));
}

std::string Qpsk::caption(int index) const
{
    return index == 0 || index == 1 ? captions[static_cast<size_t>(index)] : std::string();
}
