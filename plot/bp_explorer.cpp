#include "plot/bp_explorer.h"

#include "engine/number_reader.h"
#include "engine/number_text.h"
#include "engine/par_entry.h"
#include "engine/par_rows.h"
#include "engine/parameters.h"
#include "engine/refusal.h"
#include "plot/fixed_text.h"
#include "plot/plot_curves.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace {

constexpr double two_pi = 6.283185307179586;
constexpr double pi = 3.141592653589793;
constexpr double mhz_per_hz = 1e-6;
// Tone i of the comb is phase-shifted by i * pi / 16.
constexpr double tone_phase_step = pi * 0.0625;
// The closest distance from the centre a tone's weight takes, in Hz.
constexpr double nearest_tone_hz = 1e-6;
// Numbers in the captions: 3 decimals, up to 15 significant digits.
constexpr int caption_precision = 15;
constexpr int caption_decimals = 3;
// The edits show MHz with 2 decimals.
constexpr int edit_decimals = 2;
// Text under the plots: this far above the bottom edge; the spectrum's starts at x = 100.
constexpr int text_rise = 20;
constexpr int spectrum_text_x = 100;
constexpr int tick_spacing = 100;

constexpr std::array<const char*, bp_field_count> field_names{"center", "width", "fft",
                                                              "low",    "high",  "mode"};

std::string fixed(double v, int decimals) { return fixed_text(v, caption_precision, decimals); }

std::string trimmed(const std::string& s) { return std::string(without_blanks(s)); }

std::string mhz_limit() { return fixed_text(static_cast<double>(max_freq_mhz), 15, 0); }

// The spectrum range sets the sample interval, n_fft / range: down to this many MHz every
// time and frequency the explorer shows stays a finite float.
constexpr float min_fft_range_mhz = 1.0e-6f;

struct Mhz_range {
    float lo, hi;
};

// What a frequency field takes: the filter's centre and width what the chain's band-pass
// rows take, the spectrum range up to their highest frequency, the test frequencies any
// frequency of either sign.
Mhz_range field_range(Bp_field f)
{
    const Par_row& center = par_rows[static_cast<size_t>(par_row_named("bp_center1"))];
    const Par_row& width = par_rows[static_cast<size_t>(par_row_named("bp_width1"))];
    switch (f) {
    case Bp_field::center: return {center.lo, center.hi};
    case Bp_field::width: return {width.lo, width.hi};
    case Bp_field::fft: return {min_fft_range_mhz, center.hi};
    default: break;
    }
    return {-max_freq_mhz, max_freq_mhz};
}

// A frequency typed in MHz; refused unless a number whose float lies in the field's range,
// compared as the chain compares its band-pass values.
std::optional<Bp_refusal> read_mhz(Bp_field f, const std::string& typed, double& mhz)
{
    const std::string text = trimmed(typed);
    const std::string name = bp_field_name(f);
    const Mhz_range range = field_range(f);
    const std::string allowed = "allowed are " +
                                significant_text(static_cast<double>(range.lo), 6) + " to " +
                                significant_text(static_cast<double>(range.hi), 6) + " MHz";
    const Number_read<double> v = read_number(text);
    if (!v.ok()) return Bp_refusal{f, name + ": " + unread_text(text, *v.refusal, allowed)};
    mhz = v.value;
    const float stored = as_float(mhz);
    if (stored >= range.lo && stored <= range.hi) return std::nullopt;
    return Bp_refusal{f, name + " = " + out_of_range_text(text, allowed)};
}

std::optional<Bp_refusal> read_mode(Bp_field f, const std::string& typed, int& v)
{
    const std::string text = trimmed(typed);
    const Number_read<int> read = read_whole(text);
    if (!read.ok())
        return Bp_refusal{f, std::string(bp_field_name(f)) + ": " +
                                 unread_text(text, *read.refusal,
                                             "allowed are whole numbers (1: chirp, 2: tone comb)")};
    v = read.value;
    return std::nullopt;
}

float hz(double mhz) { return static_cast<float>(mhz * hz_per_mhz); }

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

} // namespace

const char* bp_field_name(Bp_field f) { return field_names[static_cast<size_t>(f)]; }

Bp_texts Bp_explorer::texts() const
{
    const auto mhz = [](float v) {
        return fixed(static_cast<double>(v) * mhz_per_hz, edit_decimals);
    };
    return {mhz(f_center), mhz(f_width), mhz(f_range),
            mhz(f_low),    mhz(f_high),  std::to_string(sig_mode)};
}

std::optional<Bp_refusal> Bp_explorer::read(const Bp_texts& typed, Bp_field blame_on_order)
{
    using F = Bp_field;
    const auto at = [&typed](F f) -> const std::string& { return typed[static_cast<size_t>(f)]; };
    std::array<double, 5> mhz{};
    for (F f : {F::center, F::width, F::fft, F::low, F::high})
        if (auto r = read_mhz(f, at(f), mhz[static_cast<size_t>(f)])) return r;
    int mode = 0;
    if (auto r = read_mode(F::mode, at(F::mode), mode)) return r;

    const float center = hz(mhz[0]);
    const float width = std::min(center, hz(mhz[1]));
    const float low = std::max(hz(mhz[3]), 0.0f);
    const float high = hz(mhz[4]);
    if (high < low) {
        const auto mhz_text = [](float v) {
            return fixed(static_cast<double>(v) * mhz_per_hz, edit_decimals);
        };
        if (blame_on_order == F::low)
            return Bp_refusal{F::low, std::string("low = ").append(echo_text(trimmed(at(F::low)))) +
                                          " is above the highest frequency: allowed are -" +
                                          mhz_limit() + " to " + mhz_text(high) + " MHz"};
        return Bp_refusal{F::high, std::string("high = ").append(echo_text(trimmed(at(F::high)))) +
                                       " is below the lowest frequency: allowed are " +
                                       mhz_text(low) + " to " + mhz_limit() + " MHz"};
    }
    f_center = center;
    f_width = width;
    f_range = hz(mhz[2]);
    f_low = low;
    f_high = high;
    sig_mode = mode;
    return std::nullopt;
}

double Bp_explorer::tone_log(float f_center_hz, float f_hz)
{
    const auto distance = static_cast<double>(std::fabs(f_center_hz - f_hz));
    const double log_distance = std::log(std::max(distance, nearest_tone_hz));
    return log_distance != 0.0 ? log_distance : std::log(nearest_tone_hz);
}

double Bp_explorer::tone_weight(float f_center_hz, float f_hz)
{
    return 1.0 / tone_log(f_center_hz, f_hz);
}

float Bp_explorer::chirp(float t, float dx) const
{
    // f runs from f_low at t = 0 to f_high at the end of the FFT block.
    const float f = (f_high - f_low) * t / (static_cast<float>(n_fft) * dx) + f_low;
    return static_cast<float>(std::cos(two_pi * static_cast<double>(f) * static_cast<double>(t)));
}

float Bp_explorer::tone_comb(float t) const
{
    float y = 0.0f;
    float f = f_low;
    for (int i = 0; i < n_tones; ++i) {
        const double log_distance =
            tones.empty() ? tone_log(f_center, f) : tones[static_cast<size_t>(i)].log_distance;
        const double phase =
            two_pi * static_cast<double>(f) * static_cast<double>(t) + i * tone_phase_step;
        y = static_cast<float>(static_cast<double>(y) + std::cos(phase) / log_distance);
        f += f_step;
    }
    return y;
}

float Bp_explorer::unfiltered(float t, float dx) const
{
    if (sig_mode == 1) return chirp(t, dx);
    if (sig_mode == 2) return tone_comb(t);
    return 0.0f;
}

float Bp_explorer::cached_unfiltered(float t, float dx)
{
    if (next_column >= column_t.size() || bits(column_t[next_column]) != bits(t)) next_column = 0;
    if (next_column >= column_t.size() || bits(column_t[next_column]) != bits(t))
        return unfiltered(t, dx); // not a column of the time plots
    return column_y[next_column++];
}

float Bp_explorer::test_signal(float t, const Curve_frame& frame)
{
    float v = signal_cache ? cached_unfiltered(t, frame.dx) : unfiltered(t, frame.dx);
    if (frame.rate == 1.0f) v = filter.filter(v);
    if (fill >= 0 && fill < n_fft && fill < static_cast<int>(fft.data.size()))
        fft.data[static_cast<size_t>(fill++)] = v;
    return v;
}

void Bp_explorer::prepare_cache(int columns, float dx)
{
    tones.clear();
    column_t.clear();
    column_y.clear();
    next_column = 0;
    if (!signal_cache) return;
    float f = f_low;
    for (int i = 0; i < n_tones; ++i, f += f_step) tones.push_back({f, tone_log(f_center, f)});
    Curve_frame frame;
    frame.dx = dx;
    for (int x = 0; x + 1 < columns; ++x) {
        column_t.push_back(column_abscissa(frame, x));
        column_y.push_back(unfiltered(column_t.back(), dx));
    }
}

std::string Bp_explorer::caption(int index) const
{
    const auto mhz = [](float v) {
        return fixed(static_cast<double>(v) * mhz_per_hz, caption_decimals);
    };
    switch (index) {
    case 0:
        return "scaled y(t), (f = " + mhz(f_low) + " - " + mhz(f_high) + " MHz); range = " +
               fixed(static_cast<double>(static_cast<float>(n_fft) * dt_us), caption_decimals) +
               " microsecs, amplitude: ";
    case 1: return "scaled log of FFT of y(t); frequency range: " + mhz(f_range) + " MHz";
    case 2: return "scaled filtered signal z(t), amplitude: ";
    default: return "scaled log of FFT of z(t)";
    }
}

void Bp_explorer::draw_row(int r, const std::array<Canvas*, 4>& plots, Plot_curves& pc)
{
    Canvas& time = *plots[static_cast<size_t>(2 * r)];
    Canvas& spectrum = *plots[static_cast<size_t>(2 * r + 1)];
    fill = 0;
    Curve_frame frame;
    frame.dx = static_cast<float>(static_cast<double>(dt_us) * 1e-6);
    frame.y_lo = 1.0f; // automatic range
    frame.y_hi = -1.0f;
    frame.rate = static_cast<float>(r); // the test signal's filter flag
    pc.plot(time, frame, [this](float t, const Curve_frame& f) { return test_signal(t, f); });
    pc.axes(0, tick_spacing);
    const std::string amplitude =
        fixed(static_cast<double>(frame.y_hi - frame.y_lo), caption_decimals);
    drawn_texts[static_cast<size_t>(2 * r)] = caption(2 * r) + amplitude;
    time.text_out(0, time.height() - text_rise, drawn_texts[static_cast<size_t>(2 * r)]);

    fft.spectrum(n_fft);
    frame.dx = 1.0f;
    frame.y_lo = 1.0f;
    frame.y_hi = -1.0f;
    frame.log = 1.0f;
    const std::vector<float>& d = fft.data;
    pc.plot(spectrum, frame, [&d](float x, const Curve_frame&) {
        if (!(x >= 0.0f) || x >= static_cast<float>(d.size())) return 0.0f;
        return d[static_cast<size_t>(x)]; // column i shows entry i
    });
    pc.axes(0, tick_spacing);
    drawn_texts[static_cast<size_t>(2 * r + 1)] = caption(2 * r + 1);
    spectrum.text_out(spectrum_text_x, spectrum.height() - text_rise,
                      drawn_texts[static_cast<size_t>(2 * r + 1)]);
}

void Bp_explorer::show(const std::array<Canvas*, 4>& plots, Plot_curves& pc)
{
    f_step = (f_high - f_low) / static_cast<float>(n_tones);
    dt_us = static_cast<float>(0.5 / (static_cast<double>(f_range) * 1e-6));
    // p * 1e-8 with p = 512 pixels is the chain's 5.12e-6 (sample interval in µs).
    const double p = plots[0]->width();
    filter.set(f_width / f_center,
               static_cast<float>(static_cast<double>(f_center) *
                                  (p * 1e-8 * static_cast<double>(dt_us) / std::sqrt(2.0))));
    prepare_cache(plots[0]->width(), static_cast<float>(static_cast<double>(dt_us) * 1e-6));
    draw_row(0, plots, pc);
    draw_row(1, plots, pc);
    tones.clear();
}
