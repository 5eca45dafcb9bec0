#include "engine/parameters.h"

#include <cmath>
#include <sstream>

int nr_stages = 6;
int data_bytes = 3;

Start_pars get_start_pars() { return {&nr_stages, &data_bytes}; }

namespace {

constexpr float hz_per_mhz = 1000000.0f;

std::string describe(float v)
{
    std::ostringstream s;
    s << v;
    return s.str();
}

// Message for a value outside [lo, hi] or not finite; empty when the value is fine.
std::string range_error(const std::string& field, float v, float lo, float hi,
                        const std::string& unit = "")
{
    if (std::isfinite(v) && v >= lo && v <= hi) return {};
    return field + " = " + describe(v) + " is out of range: allowed are " + describe(lo) + " to " +
           describe(hi) + unit;
}

std::string above_zero_error(const std::string& field, float v, float hi, const std::string& unit)
{
    if (std::isfinite(v) && v > 0.0f && v <= hi) return {};
    return field + " = " + describe(v) + " is out of range: allowed are values above 0 up to " +
           describe(hi) + unit;
}

std::string switch_error(const std::string& field, float v)
{
    if (v == 0.0f || v == 1.0f) return {};
    return field + " = " + describe(v) + " is out of range: allowed are 0 (off) and 1 (on)";
}

std::string first_error(std::initializer_list<std::string> errors)
{
    for (const auto& e : errors)
        if (!e.empty()) return e;
    return {};
}

std::string optional_freq_error(const std::string& field, const std::optional<float>& mhz)
{
    if (!mhz) return {};
    return range_error(field, *mhz, -max_freq_mhz, max_freq_mhz, " MHz");
}

} // namespace

Analog_entry current_analog_entry(const Analog_pars& p)
{
    return {p.nyquist_pulses, p.roll_off, p.samples_per_chip, p.iq_branches, std::nullopt,
            p.if_mod,         p.if_demod, std::nullopt,       p.rf_mod,      p.rf_demod};
}

Filter_entry current_filter_entry(const Analog_pars& p)
{
    Filter_entry e;
    for (int k = 0; k < 4; ++k)
        e[static_cast<size_t>(k)] = {p.bp_on[k], std::nullopt, std::nullopt};
    return e;
}

Noise_entry current_noise_entry(const Analog_pars& p)
{
    return {p.noise_to_signal, p.if_detune_pct, p.if_phase_pct, p.rf_detune_pct, p.rf_phase_pct};
}

std::string check_analog_entry(const Analog_entry& e)
{
    std::string iq;
    if (e.iq_branches != 1.0f && e.iq_branches != 2.0f)
        iq = "iq_branches = " + describe(e.iq_branches) +
             " is out of range: allowed are 1 (I only) and 2 (I and Q)";
    return first_error({
        range_error("nyquist_pulses", e.nyquist_pulses, 0.0f, max_nyquist_pulses),
        range_error("roll_off", e.roll_off, 0.0f, 1.0f),
        range_error("samples_per_chip", e.samples_per_chip, 1.0f, max_samples_per_chip),
        iq,
        optional_freq_error("if_freq", e.if_mhz),
        switch_error("if_mod", e.if_mod),
        switch_error("if_demod", e.if_demod),
        optional_freq_error("rf_freq", e.rf_mhz),
        switch_error("rf_mod", e.rf_mod),
        switch_error("rf_demod", e.rf_demod),
    });
}

std::string check_filter_entry(const Filter_entry& e)
{
    for (size_t k = 0; k < e.size(); ++k) {
        const std::string n = std::to_string(k + 1);
        const Filter_line& line = e[k];
        std::string err = switch_error("bp_on" + n, line.on);
        if (err.empty() && line.center_mhz)
            err = above_zero_error("bp_center" + n, *line.center_mhz, max_freq_mhz, " MHz");
        if (err.empty() && line.width_mhz)
            err = above_zero_error("bp_width" + n, *line.width_mhz, max_freq_mhz, " MHz");
        if (!err.empty()) return err;
    }
    return {};
}

std::string check_noise_entry(const Noise_entry& e)
{
    return first_error({
        range_error("noise_to_signal", e.noise_to_signal, -max_abs_noise, max_abs_noise),
        range_error("if_detune_pct", e.if_detune_pct, -max_detune_pct, max_detune_pct, " %"),
        range_error("if_phase_pct", e.if_phase_pct, -max_abs_phase_pct, max_abs_phase_pct, " %"),
        range_error("rf_detune_pct", e.rf_detune_pct, -max_detune_pct, max_detune_pct, " %"),
        range_error("rf_phase_pct", e.rf_phase_pct, -max_abs_phase_pct, max_abs_phase_pct, " %"),
    });
}

void apply_start_pars(int stages, int bytes)
{
    nr_stages = stages;
    data_bytes = bytes;
}

void apply_analog_pars(Analog_pars& p, const Analog_entry& e)
{
    p.nyquist_pulses = e.nyquist_pulses;
    p.roll_off = e.roll_off;
    p.samples_per_chip = e.samples_per_chip;
    p.iq_branches = e.iq_branches;

    // IF floor: 3 x chip rate, in MHz, as a float.
    const float if_floor_mhz = static_cast<float>(static_cast<double>(p.chip_rate) * 0.000001 * 3);
    float if_hz = p.if_freq;
    float if_mhz = static_cast<float>(static_cast<double>(p.if_freq) / 1.0e6);
    if (e.if_mhz) {
        if_mhz = if_floor_mhz > *e.if_mhz ? if_floor_mhz : *e.if_mhz;
        if_hz = if_mhz * hz_per_mhz;
    } else if (if_hz < if_floor_mhz * hz_per_mhz) {
        if_mhz = if_floor_mhz;
        if_hz = if_mhz * hz_per_mhz;
    }

    // RF floor: 3 x the IF just found.
    const float rf_floor_mhz = 3.0f * if_mhz;
    float rf_hz = p.rf_freq;
    if (e.rf_mhz) {
        const float rf_mhz = rf_floor_mhz > *e.rf_mhz ? rf_floor_mhz : *e.rf_mhz;
        rf_hz = rf_mhz * hz_per_mhz;
    } else if (static_cast<double>(rf_hz) < 3.0 * static_cast<double>(if_hz)) {
        rf_hz = rf_floor_mhz * hz_per_mhz;
    }

    p.if_freq = if_hz;
    p.if_mod = e.if_mod;
    p.if_demod = e.if_demod;
    p.rf_freq = rf_hz;
    p.rf_mod = e.rf_mod;
    p.rf_demod = e.rf_demod;
    p.recompute_centres();
}

void apply_filter_pars(Analog_pars& p, const Filter_entry& e)
{
    for (size_t k = 0; k < e.size(); ++k) {
        p.bp_on[k] = e[k].on;
        if (e[k].center_mhz) p.bp_center[k] = *e[k].center_mhz * hz_per_mhz;
        if (e[k].width_mhz) p.bp_width[k] = *e[k].width_mhz * hz_per_mhz;
    }
}

void apply_noise_pars(Analog_pars& p, const Noise_entry& e)
{
    p.noise_to_signal = e.noise_to_signal;
    p.if_detune_pct = e.if_detune_pct;
    p.if_phase_pct = e.if_phase_pct;
    p.rf_detune_pct = e.rf_detune_pct;
    p.rf_phase_pct = e.rf_phase_pct;
}
