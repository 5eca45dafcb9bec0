#pragma once
// Every value a user can enter, one row each: its name, menu place, unit, display, allowed
// range and where it is stored. The command line, the parameter menu, the checks and the
// stores all read this table.

#include "engine/parameters.h"

#include <array>
#include <string_view>

// The four entry sets; the numbers are the parameter menu's tags.
enum class Par_set : int { start = 1, analog = 2, band_pass = 3, noise = 4 };

// Units of a row: mhz is shown and typed in MHz and stored in Hz.
enum class Par_unit { none, mhz, pct };

// What a row accepts (bounds in the row's unit, floats compared as floats):
// whole      any whole number, limited later at setup;
// interval   a finite value from lo to hi;
// on_off     0 or 1;
// iq         1 (I only) or 2 (I and Q).
enum class Par_range { whole, interval, on_off, iq };

// Where a start row is stored.
enum Start_value : int { start_nr_stages = 0, start_data_bytes = 1 };

struct Par_row {
    std::string_view name; // as --set and the menu's warnings name it
    Par_set set;
    int line;  // menu line 0..3
    int field; // entry field 0..2 on that line
    Par_unit unit;
    int precision; // shown as fixed_text(value, precision, digits)
    int digits;
    Par_range range;
    float lo;
    float hi;
    int par; // Par_index into par_table; a Start_value for the start rows
};

// Every analog value but the chip rate (fixed), and the two start values.
constexpr int par_row_count = 29;
static_assert(par_row_count == (par_count - 1) + 2);

// In set order, then menu order: the checks report the first refused row in this order.
// Filter k (1..4) has line k-1; its switch, centre and width follow each other in par_table.
constexpr std::array<Par_row, par_row_count> par_rows{{
    // name, set, line, field, unit, precision, digits, range, lo, hi, where
    {"nr_stages", Par_set::start, 2, 0, Par_unit::none, 0, 0, Par_range::whole, 0.0f, 0.0f,
     start_nr_stages},
    {"data_bytes", Par_set::start, 3, 0, Par_unit::none, 0, 0, Par_range::whole, 0.0f, 0.0f,
     start_data_bytes},

    {"nyquist_pulses", Par_set::analog, 0, 0, Par_unit::none, 3, 0, Par_range::interval, 0.0f,
     max_nyquist_pulses, par_nyquist_pulses},
    {"roll_off", Par_set::analog, 0, 1, Par_unit::none, 5, 2, Par_range::interval, 0.0f, 1.0f,
     par_roll_off},
    {"samples_per_chip", Par_set::analog, 1, 0, Par_unit::none, 3, 0, Par_range::interval, 1.0f,
     max_samples_per_chip, par_samples_per_chip},
    {"iq_branches", Par_set::analog, 1, 1, Par_unit::none, 3, 0, Par_range::iq, 1.0f, 2.0f,
     par_iq_branches},
    {"if_freq", Par_set::analog, 2, 0, Par_unit::mhz, 7, 2, Par_range::interval, -max_freq_mhz,
     max_if_mhz, par_if_freq},
    {"if_mod", Par_set::analog, 2, 1, Par_unit::none, 3, 0, Par_range::on_off, 0.0f, 1.0f,
     par_if_mod},
    {"if_demod", Par_set::analog, 2, 2, Par_unit::none, 3, 0, Par_range::on_off, 0.0f, 1.0f,
     par_if_demod},
    {"rf_freq", Par_set::analog, 3, 0, Par_unit::mhz, 7, 2, Par_range::interval, -max_freq_mhz,
     max_freq_mhz, par_rf_freq},
    {"rf_mod", Par_set::analog, 3, 1, Par_unit::none, 3, 0, Par_range::on_off, 0.0f, 1.0f,
     par_rf_mod},
    {"rf_demod", Par_set::analog, 3, 2, Par_unit::none, 3, 0, Par_range::on_off, 0.0f, 1.0f,
     par_rf_demod},

    {"bp_on1", Par_set::band_pass, 0, 0, Par_unit::none, 3, 0, Par_range::on_off, 0.0f, 1.0f,
     par_bp_first},
    {"bp_center1", Par_set::band_pass, 0, 1, Par_unit::mhz, 6, 2, Par_range::interval,
     min_filter_mhz, max_freq_mhz, par_bp_first + 1},
    {"bp_width1", Par_set::band_pass, 0, 2, Par_unit::mhz, 6, 2, Par_range::interval,
     min_filter_mhz, max_freq_mhz, par_bp_first + 2},
    {"bp_on2", Par_set::band_pass, 1, 0, Par_unit::none, 3, 0, Par_range::on_off, 0.0f, 1.0f,
     par_bp_first + 3},
    {"bp_center2", Par_set::band_pass, 1, 1, Par_unit::mhz, 6, 2, Par_range::interval,
     min_filter_mhz, max_freq_mhz, par_bp_first + 4},
    {"bp_width2", Par_set::band_pass, 1, 2, Par_unit::mhz, 6, 2, Par_range::interval,
     min_filter_mhz, max_freq_mhz, par_bp_first + 5},
    {"bp_on3", Par_set::band_pass, 2, 0, Par_unit::none, 3, 0, Par_range::on_off, 0.0f, 1.0f,
     par_bp_first + 6},
    {"bp_center3", Par_set::band_pass, 2, 1, Par_unit::mhz, 6, 2, Par_range::interval,
     min_filter_mhz, max_freq_mhz, par_bp_first + 7},
    {"bp_width3", Par_set::band_pass, 2, 2, Par_unit::mhz, 6, 2, Par_range::interval,
     min_filter_mhz, max_freq_mhz, par_bp_first + 8},
    {"bp_on4", Par_set::band_pass, 3, 0, Par_unit::none, 3, 0, Par_range::on_off, 0.0f, 1.0f,
     par_bp_first + 9},
    {"bp_center4", Par_set::band_pass, 3, 1, Par_unit::mhz, 6, 2, Par_range::interval,
     min_filter_mhz, max_freq_mhz, par_bp_first + 10},
    {"bp_width4", Par_set::band_pass, 3, 2, Par_unit::mhz, 6, 2, Par_range::interval,
     min_filter_mhz, max_freq_mhz, par_bp_first + 11},

    {"noise_to_signal", Par_set::noise, 0, 0, Par_unit::none, 4, 1, Par_range::interval,
     -max_abs_noise, max_abs_noise, par_noise_to_signal},
    {"if_detune_pct", Par_set::noise, 1, 0, Par_unit::pct, 4, 0, Par_range::interval,
     -max_detune_pct, max_detune_pct, par_if_detune_pct},
    {"if_phase_pct", Par_set::noise, 1, 1, Par_unit::pct, 4, 0, Par_range::interval,
     -max_abs_phase_pct, max_abs_phase_pct, par_if_phase_pct},
    {"rf_detune_pct", Par_set::noise, 2, 0, Par_unit::pct, 4, 0, Par_range::interval,
     -max_detune_pct, max_detune_pct, par_rf_detune_pct},
    {"rf_phase_pct", Par_set::noise, 2, 1, Par_unit::pct, 4, 0, Par_range::interval,
     -max_abs_phase_pct, max_abs_phase_pct, par_rf_phase_pct},
}};

// The row called `name`, or -1.
constexpr int par_row_named(std::string_view name)
{
    for (int r = 0; r < par_row_count; ++r)
        if (par_rows[static_cast<size_t>(r)].name == name) return r;
    return -1;
}

// The row storing analog value `par`, or -1 (chip_rate is not entered).
constexpr int par_row_storing(int par)
{
    for (int r = 0; r < par_row_count; ++r) {
        const Par_row& row = par_rows[static_cast<size_t>(r)];
        if (row.set != Par_set::start && row.par == par) return r;
    }
    return -1;
}

namespace par_rows_checks {

constexpr bool in_menu_order()
{
    for (size_t r = 0; r < par_rows.size(); ++r) {
        const Par_row& row = par_rows[r];
        if (row.line < 0 || row.line > 3 || row.field < 0 || row.field > 2) return false;
        if (r == 0) continue;
        const Par_row& before = par_rows[r - 1];
        const int a = static_cast<int>(before.set) * 100 + before.line * 10 + before.field;
        const int b = static_cast<int>(row.set) * 100 + row.line * 10 + row.field;
        if (a >= b) return false;
    }
    return true;
}

constexpr bool names_unique()
{
    for (size_t r = 0; r < par_rows.size(); ++r)
        if (par_row_named(par_rows[r].name) != static_cast<int>(r)) return false;
    return true;
}

// Each analog value but the chip rate is entered in exactly one row.
constexpr bool every_value_once()
{
    int entered = 0;
    for (const Par_row& row : par_rows)
        if (row.set != Par_set::start) ++entered;
    for (int par = 0; par < par_count; ++par)
        if ((par_row_storing(par) >= 0) != (par != par_chip_rate)) return false;
    return entered == par_count - 1;
}

// Filter k's line is k - 1, and its fields are its three values in par_table order.
constexpr bool filters_follow_par_table()
{
    for (const Par_row& row : par_rows)
        if (row.set == Par_set::band_pass && row.par != par_bp_first + 3 * row.line + row.field)
            return false;
    return true;
}

} // namespace par_rows_checks

static_assert(par_rows.size() == 29, "29 values can be entered");
// A row left out would stand as a zero row and break the order.
static_assert(par_rows_checks::in_menu_order(), "rows in set, line, field order");
static_assert(par_rows_checks::names_unique(), "one row per name");
static_assert(par_rows_checks::every_value_once(), "each analog value in one row");
static_assert(par_rows_checks::filters_follow_par_table(), "filter rows match par_table");
static_assert(par_rows[0].par == start_nr_stages && par_rows[1].par == start_data_bytes,
              "each start value in one row");
