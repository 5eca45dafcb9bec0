#include "engine/analog_pars.h"

Analog_pars::Analog_pars()
{
    par_table = {&chip_rate,    &nyquist_pulses, &roll_off,     &samples_per_chip, &iq_branches,
                 &if_freq,      &if_mod,         &if_demod,     &rf_freq,          &rf_mod,
                 &rf_demod,     &bp_on[0],       &bp_center[0], &bp_width[0],      &bp_on[1],
                 &bp_center[1], &bp_width[1],    &bp_on[2],     &bp_center[2],     &bp_width[2],
                 &bp_on[3],     &bp_center[3],   &bp_width[3],  &noise_to_signal,  &if_detune_pct,
                 &if_phase_pct, &rf_detune_pct,  &rf_phase_pct};
    set_defaults();
}

void Analog_pars::set_defaults()
{
    chip_rate = 1228800.0f;
    nyquist_pulses = 20.0f;
    roll_off = 0.2f;
    samples_per_chip = 8.0f;
    iq_branches = 2.0f;
    if_freq = 80000000.0f;
    if_mod = 1.0f;
    if_demod = 1.0f;
    rf_freq = 900000000.0f;
    rf_mod = 1.0f;
    rf_demod = 1.0f;
    for (int k = 0; k < 4; ++k) {
        bp_on[k] = k == 3 ? 1.0f : 0.0f;
        bp_width[k] = 4.0f * chip_rate;
    }
    noise_to_signal = 0.0f;
    if_detune_pct = 0.0f;
    if_phase_pct = 0.0f;
    rf_detune_pct = 0.0f;
    rf_phase_pct = 0.0f;
    recompute_centres();
}

void Analog_pars::recompute_centres()
{
    bp_center[0] = if_mod * if_freq + chip_rate;
    bp_center[1] = rf_mod * rf_freq + bp_center[0];
    bp_center[2] = bp_center[1] - rf_demod * rf_freq;
    bp_center[3] = bp_center[2] - if_demod * if_freq;
}
