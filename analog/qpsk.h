#pragma once
// Quadrature modulation at the IF: I times sin(wt), Q times cos(wt) on transmit; on
// receive the signal times sin or cos of a possibly detuned and phase-shifted local
// oscillator, with gain 10. Branch 0 = I (sine), 1 = Q (cosine). Times in seconds.

#include "engine/analog_pars.h"

#include <array>
#include <string>

class Qpsk {
public:
    float f_if = 0.0f;
    float if_detune_pct = 0.0f;
    float if_phase_pct = 0.0f;
    double w_if = 0.0;     // transmit oscillator, rad/s
    double w_if_rx = 0.0;  // receive oscillator, rad/s
    double ph_if_rx = 0.0; // receive oscillator phase, rad
    std::array<std::string, 2> captions;

    // Reads the IF, its detuning and phase error from the parameter table.
    void init(const std::array<float*, par_count>& par_table);
    // The phase is rounded to float before sin/cos: both ends round the same phase alike,
    // so with no detuning their carriers match exactly at every t.
    float modulate(int branch, float t, float x) const;
    float demodulate(int branch, float t, float x) const;
    std::string caption(int index) const;

    // The pieces of the two operations, for callers that evaluate many instants at once.
    float tx_phase(float t) const { return static_cast<float>(w_if * static_cast<double>(t)); }
    float rx_phase(float t) const
    {
        return static_cast<float>(w_if_rx * static_cast<double>(t) + ph_if_rx);
    }
};

// x times sin(phase) for branch 0, cos(phase) otherwise, in double, rounded to float.
float mix(int branch, float phase, float x);
// The receive gain applied to a mixed sample.
inline float demod_gain(float y) { return 10.0f * y; }
