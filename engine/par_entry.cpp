#include "engine/par_entry.h"

#include "engine/number_text.h"
#include "engine/parameters.h"
#include "engine/refusal.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

namespace {

const Par_row& row_at(int r) { return par_rows[static_cast<size_t>(r)]; }

// As a stream writes a float: at most 6 significant digits.
std::string describe(float v) { return significant_text(static_cast<double>(v), 6); }

const char* unit_suffix(Par_unit unit)
{
    switch (unit) {
    case Par_unit::mhz: return " MHz";
    case Par_unit::pct: return " %";
    case Par_unit::none: break;
    }
    return "";
}

// Why `v` is outside the row's range (NaN and infinities always are), or nothing. The
// message shows `text`, as typed, when there is one.
std::optional<std::string> range_problem(const Par_row& row, float v, const std::string& text)
{
    const bool inside =
        row.range == Par_range::whole ||
        (row.range == Par_range::interval ? std::isfinite(v) && v >= row.lo && v <= row.hi
                                          : v == row.lo || v == row.hi);
    if (inside) return std::nullopt;
    return out_of_range_text(text.empty() ? describe(v) : text, allowed_text(row));
}

std::optional<float> typed_float(const Par_entry& e, int row)
{
    const std::optional<double> v = e.typed(row);
    if (!v) return std::nullopt;
    return static_cast<float>(*v);
}

void apply_start(const Par_entry& e)
{
    std::array<int, 2> v{nr_stages, data_bytes}; // by Start_value
    for (int r = 0; r < par_row_count; ++r)
        if (row_at(r).set == Par_set::start && e.typed(r))
            v[static_cast<size_t>(row_at(r).par)] = static_cast<int>(*e.typed(r));
    apply_start_pars(v[start_nr_stages], v[start_data_bytes]);
}

// Stores the typed values of a set, MHz values in Hz. A float typed value times 10^6 is
// exact in double, so its one rounding to float gives the float product v * 10^6.
void store_typed(Analog_pars& p, const Par_entry& e, Par_set set)
{
    for (int r = 0; r < par_row_count; ++r) {
        const Par_row& row = row_at(r);
        const std::optional<double> v = e.typed(r);
        if (row.set != set || !v) continue;
        *p.par_table[static_cast<size_t>(row.par)] =
            static_cast<float>(row.unit == Par_unit::mhz ? *v * hz_per_mhz : *v);
    }
}

struct Carriers {
    float if_hz;
    float rf_hz;
};

// IF and RF after the floors: IF at least 3 x chip rate, RF at least 3 x that IF. The
// mixed float/double steps are those the stored values have always been made with.
Carriers floored_carriers(const Analog_pars& p, std::optional<float> if_typed_mhz,
                          std::optional<float> rf_typed_mhz)
{
    const float if_floor_mhz = static_cast<float>(static_cast<double>(p.chip_rate) * 0.000001 * 3);
    float if_hz = p.if_freq;
    float if_mhz = static_cast<float>(static_cast<double>(p.if_freq) / hz_per_mhz);
    if (if_typed_mhz) {
        if_mhz = if_floor_mhz > *if_typed_mhz ? if_floor_mhz : *if_typed_mhz;
        if_hz = if_mhz * hz_per_mhz_f;
    } else if (if_hz < if_floor_mhz * hz_per_mhz_f) {
        if_mhz = if_floor_mhz;
        if_hz = if_mhz * hz_per_mhz_f;
    }

    const float rf_floor_mhz = 3.0f * if_mhz;
    float rf_hz = p.rf_freq;
    if (rf_typed_mhz) {
        const float rf_mhz = rf_floor_mhz > *rf_typed_mhz ? rf_floor_mhz : *rf_typed_mhz;
        rf_hz = rf_mhz * hz_per_mhz_f;
    } else if (static_cast<double>(rf_hz) < 3.0 * static_cast<double>(if_hz)) {
        rf_hz = rf_floor_mhz * hz_per_mhz_f;
    }
    return {if_hz, rf_hz};
}

void apply_analog(Analog_pars& p, const Par_entry& e)
{
    const Carriers c = floored_carriers(p, typed_float(e, par_row_storing(par_if_freq)),
                                        typed_float(e, par_row_storing(par_rf_freq)));
    store_typed(p, e, Par_set::analog);
    // The typed carriers give way to the floored ones.
    p.if_freq = c.if_hz;
    p.rf_freq = c.rf_hz;
    p.recompute_centres();
}

} // namespace

std::string allowed_text(const Par_row& row)
{
    const std::string allowed = "allowed are ";
    switch (row.range) {
    case Par_range::whole: break;
    case Par_range::interval:
        return allowed + describe(row.lo) + " to " + describe(row.hi) + unit_suffix(row.unit);
    case Par_range::on_off:
        return allowed + describe(row.lo) + " (off) and " + describe(row.hi) + " (on)";
    case Par_range::iq:
        return allowed + describe(row.lo) + " (I only) and " + describe(row.hi) + " (I and Q)";
    }
    return allowed + "whole numbers from " + std::to_string(INT_MIN) + " to " +
           std::to_string(INT_MAX);
}

std::string unread_problem(int row, std::string_view typed, Number_refusal why)
{
    return unread_text(typed, why, allowed_text(row_at(row)));
}

float as_float(double v)
{
    if (std::isnan(v)) return NAN;
    if (std::fabs(v) > static_cast<double>(FLT_MAX)) return v > 0 ? INFINITY : -INFINITY;
    return static_cast<float>(v);
}

void Par_entry::type(int row, float value, std::string_view text)
{
    values[static_cast<size_t>(row)] = static_cast<double>(value);
    texts[static_cast<size_t>(row)] = text;
    confirm(row_at(row).set);
}

void Par_entry::type_exact(int row, double value, std::string_view text)
{
    values[static_cast<size_t>(row)] = value;
    texts[static_cast<size_t>(row)] = text;
    confirm(row_at(row).set);
}

void Par_entry::type_whole(int row, int value)
{
    values[static_cast<size_t>(row)] = value;
    confirm(row_at(row).set);
}

void Par_entry::confirm(Par_set set) { sets[static_cast<size_t>(set) - 1] = true; }

bool Par_entry::confirmed(Par_set set) const { return sets[static_cast<size_t>(set) - 1]; }

std::optional<double> Par_entry::typed(int row) const { return values[static_cast<size_t>(row)]; }

const std::string& Par_entry::typed_text(int row) const { return texts[static_cast<size_t>(row)]; }

std::optional<Refusal> check_entry(const Par_entry& e)
{
    for (int r = 0; r < par_row_count; ++r) {
        const std::optional<double> v = e.typed(r);
        if (!v) continue;
        if (auto problem = range_problem(row_at(r), static_cast<float>(*v), e.typed_text(r)))
            return Refusal{r, *problem};
    }
    return std::nullopt;
}

void apply_entry(Analog_pars& p, const Par_entry& e)
{
    if (e.confirmed(Par_set::start)) apply_start(e);
    if (e.confirmed(Par_set::analog)) apply_analog(p, e);
    if (e.confirmed(Par_set::band_pass)) store_typed(p, e, Par_set::band_pass);
    if (e.confirmed(Par_set::noise)) store_typed(p, e, Par_set::noise);
}
