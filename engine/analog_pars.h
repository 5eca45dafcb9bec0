#pragma once
// The analog parameter block: 28 floats reached by index through par_table.

#include <array>

// Indices into par_table; the order is fixed, every reader outside the analog stage
// addresses the block by these numbers.
enum Par_index : int {
    par_chip_rate = 0,
    par_nyquist_pulses = 1,
    par_roll_off = 2,
    par_samples_per_chip = 3,
    par_iq_branches = 4,
    par_if_freq = 5,
    par_if_mod = 6,
    par_if_demod = 7,
    par_rf_freq = 8,
    par_rf_mod = 9,
    par_rf_demod = 10,
    par_bp_first = 11, // filter k: on at 11 + 3k, centre at 12 + 3k, width at 13 + 3k
    par_noise_to_signal = 23,
    par_if_detune_pct = 24,
    par_if_phase_pct = 25,
    par_rf_detune_pct = 26,
    par_rf_phase_pct = 27,
    par_count = 28,
};

// Frequencies in Hz, the 0/1 switches as floats (they take part in arithmetic).
struct Analog_pars {
    float bp_on[4];
    float bp_center[4];
    float bp_width[4];
    float noise_to_signal;
    float if_detune_pct;
    float if_phase_pct;
    float rf_detune_pct;
    float rf_phase_pct;
    float nyquist_pulses;
    float roll_off;
    float samples_per_chip;
    float iq_branches;
    float if_mod;
    float if_demod;
    float rf_mod;
    float rf_demod;
    float chip_rate;
    float if_freq;
    float rf_freq;
    std::array<float*, par_count> par_table;

    Analog_pars();
    // par_table points into this object, so it is neither copied nor moved.
    Analog_pars(const Analog_pars&) = delete;
    Analog_pars& operator=(const Analog_pars&) = delete;

    // Program-start values, centres included.
    void set_defaults();
    // Each band-pass centre follows the carrier after its position in the chain.
    void recompute_centres();
};
