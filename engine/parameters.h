#pragma once
// The start parameters, the analog block and the limits of what the stages can carry.
// What a user enters is checked by check_entry and stored by apply_entry.

#include "engine/analog_pars.h"

#include <array>

// Highest logical stage in use (clamped to 0..6 at setup) and bytes of test data per
// block (3, 9 or 36; the data source uses 3 for anything else).
extern int nr_stages;
extern int data_bytes;

struct Start_pars {
    int* nr_stages;
    int* data_bytes;
};
Start_pars get_start_pars();
// par_table of the analog stage.
const std::array<float*, par_count>& get_analog_pars();
// The block itself, for code that is not a menu.
Analog_pars& analog_pars();

// Hertz in a megahertz: the menus and the command line give the carriers and the
// band-pass filters in MHz, the stages keep them in Hz. The float is for the products
// taken in float (1e6 is exact in both).
constexpr double hz_per_mhz = 1e6;
constexpr float hz_per_mhz_f = static_cast<float>(hz_per_mhz);

// Upper limits of what the stages can carry without overflow or an endless run.
constexpr float max_freq_mhz = 1.0e7f;
// The IF's limit: the RF is raised to at least 3 x IF and must stay within max_freq_mhz;
// above it the filter centres, each formed from the one before, lose the chip rate to
// rounding and the receiving filter comes out at 0 Hz or below.
constexpr float max_if_mhz = 3.0e6f;
// Lower limit of a band-pass centre and width: a smaller one makes the filter's
// coefficients overflow or lose all precision (width / centre beyond the float range).
constexpr float min_filter_mhz = 1.0e-6f;
constexpr float max_nyquist_pulses = 10000.0f;
constexpr float max_samples_per_chip = 1000.0f;
constexpr float max_detune_pct = 100.0f;
constexpr float max_abs_phase_pct = 1.0e6f;
constexpr float max_abs_noise = 1.0e6f;

// Stored unchanged; the limits apply at setup.
void apply_start_pars(int stages, int bytes);
