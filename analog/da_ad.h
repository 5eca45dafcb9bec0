#pragma once
// The DAC: one branch's chips (0.0/1.0) as a sum of raised-cosine ("Nyquist") pulses,
// one per chip, centred in the middle of the chip and cut off after N chips either side.
// Times in seconds, frequencies in Hz. The chip sequence is read as periodic.

#include "engine/analog_pars.h"

#include <array>
#include <string>

class Da_ad {
public:
    float f_chip = 0.0f;   // F
    float roll_off = 0.0f; // alpha
    double t_chip = 0.0;   // Tc = 1 / F
    double w_sinc = 0.0;   // 2 pi F
    double w_cos = 0.0;    // 2 pi F alpha
    double k_den = 0.0;    // (4 alpha F)^2
    int pulses = 0;        // N
    int n_chips = 0;
    std::string caption;

    // Reads chip rate, pulse count and roll-off from the parameter table.
    void init(const std::array<float*, par_count>& par_table, int n_chips);
    // DAC output of one branch at time t (s).
    float nyquist(const float* chips, float t) const;
    // Both branches at one instant: the same values as two nyquist() calls, with every
    // term's tau, sine, cosine and denominator evaluated once for both.
    void nyquist_pair(const float* chips_i, const float* chips_q, float t, float& v_i,
                      float& v_q) const;

private:
    struct Term {
        double tau;
        float x; // denominator (w_sinc tau)(1 - k_den tau^2), rounded as the sum needs it
    };
    long long first_chip(float t) const;
    Term term(float t, long long k) const;
    int wrap(long long k) const;
};
