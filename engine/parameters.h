#pragma once
// The start parameters, the four entry sets of the parameter menu and their entry rules.
// Every check_* returns an empty string when the set can be stored, otherwise a message
// naming the first field that cannot be carried and its allowed range; nothing is stored
// by a check. The apply_* functions store a checked set by the entry rules.

#include "engine/analog_pars.h"

#include <array>
#include <optional>
#include <string>

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

// Upper limits of what the stages can carry without overflow or an endless run.
constexpr float max_freq_mhz = 1.0e7f;
constexpr float max_nyquist_pulses = 10000.0f;
constexpr float max_samples_per_chip = 1000.0f;
constexpr float max_detune_pct = 100.0f;
constexpr float max_abs_phase_pct = 1.0e6f;
constexpr float max_abs_noise = 1.0e6f;

// The analog-modulation menu, in menu order and units (frequencies in MHz). An empty
// frequency keeps the stored value exactly; the IF and RF floors still apply to it.
struct Analog_entry {
    float nyquist_pulses;
    float roll_off;
    float samples_per_chip;
    float iq_branches;
    std::optional<float> if_mhz;
    float if_mod;
    float if_demod;
    std::optional<float> rf_mhz;
    float rf_mod;
    float rf_demod;
};

// One line of the band-pass menu; an empty centre or width keeps the stored value exactly.
struct Filter_line {
    float on;
    std::optional<float> center_mhz;
    std::optional<float> width_mhz;
};
using Filter_entry = std::array<Filter_line, 4>;

struct Noise_entry {
    float noise_to_signal;
    float if_detune_pct;
    float if_phase_pct;
    float rf_detune_pct;
    float rf_phase_pct;
};

// The stored values as a menu would show them (frequencies left empty, i.e. unchanged).
Analog_entry current_analog_entry(const Analog_pars& p);
Filter_entry current_filter_entry(const Analog_pars& p);
Noise_entry current_noise_entry(const Analog_pars& p);

std::string check_analog_entry(const Analog_entry& e);
std::string check_filter_entry(const Filter_entry& e);
std::string check_noise_entry(const Noise_entry& e);

// Stored unchanged; the limits apply at setup.
void apply_start_pars(int stages, int bytes);
// Stores the set, raises IF to 3 x chip rate and RF to 3 x IF, recomputes the centres.
void apply_analog_pars(Analog_pars& p, const Analog_entry& e);
// Centres and widths in MHz, stored in Hz; nothing is recomputed.
void apply_filter_pars(Analog_pars& p, const Filter_entry& e);
void apply_noise_pars(Analog_pars& p, const Noise_entry& e);
