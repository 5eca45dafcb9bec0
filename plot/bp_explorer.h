#pragma once
// The band-pass filter explorer: a test signal (a chirp or a comb of tones) and the log of
// its spectrum, then the same signal through a band-pass filter and the log of that
// spectrum. Independent of the transmission chain: it owns its filter and its FFT.

#include "analog/band_pass.h"
#include "analog/fft.h"
#include "plot/canvas.h"

#include <array>
#include <optional>
#include <string>

class Plot_curves;
struct Curve_frame;

// The explorer's entry fields, in the order they are read.
enum class Bp_field : int { center, width, fft, low, high, mode };
constexpr int bp_field_count = 6;
using Bp_texts = std::array<std::string, bp_field_count>; // by Bp_field

// The name of a field, as its edit is called.
const char* bp_field_name(Bp_field f);

struct Bp_refusal {
    Bp_field field;
    std::string message; // led by the field's name, says what the field must be
};

class Bp_explorer {
public:
    static constexpr int fft_points = 512;

    int fill = 0; // samples stored into the FFT buffer since the row started
    int n_fft = fft_points;
    int n_tones = 100;
    int sig_mode = 1; // 1 chirp, 2 tone comb, anything else no signal
    // Frequencies in Hz.
    float f_center = 10000000.0f;
    float f_width = 100000.0f;
    float f_low = 5000000.0f;
    float f_high = 15000000.0f;
    float f_step = 0.0f; // tone spacing
    float f_range = 30000000.0f;
    float dt_us = 0.0f; // sample interval, microseconds
    // Evaluates the unfiltered signal once per instant and the tone logarithms once per show
    // (the values are the same either way).
    bool signal_cache = true;
    Band_pass filter;
    FFT fft{fft_points};
    // The texts written under the four plots by the last show.
    std::array<std::string, 4> drawn_texts;

    // The texts of the edits: frequencies in MHz with 2 decimals, the type in decimal.
    Bp_texts texts() const;
    // Reads the edits. Stores them, with the width cut to the centre and a negative lowest
    // frequency raised to 0, and returns nothing; or stores nothing and returns why not.
    // A highest test frequency below the lowest is refused as a fault of blame_on_order
    // (high, or low when only that was typed).
    std::optional<Bp_refusal> read(const Bp_texts& typed, Bp_field blame_on_order = Bp_field::high);
    // Arms the filter and draws y(t), log |FFT(y)|, z(t) and log |FFT(z)| into the boxes
    // time1, frequency1, time2 and frequency2.
    void show(const std::array<Canvas*, 4>& plots, Plot_curves& pc);
    // The test signal at t seconds: through the filter when frame.rate is 1; kept in the
    // FFT buffer while it has room.
    float test_signal(float t, const Curve_frame& frame);
    // The comb's weight of a tone at f_hz: 1 / ln(distance from the centre in Hz, at
    // least 1e-6). A tone exactly 1 Hz away would weigh 1 / ln(1), an infinity that turns
    // the whole signal into inf and NaN; it weighs as a tone at the centre instead.
    static double tone_weight(float f_center_hz, float f_hz);
    // The divisor of that weight: ln of the distance, never 0.
    static double tone_log(float f_center_hz, float f_hz);

private:
    struct Tone {
        float f_hz;
        double log_distance; // tone_log of the tone
    };
    std::vector<Tone> tones;     // of the current show, when cached
    std::vector<float> column_t; // the instants of the time plots' columns
    std::vector<float> column_y; // the unfiltered signal at them
    size_t next_column = 0;

    float unfiltered(float t, float dx) const;
    float chirp(float t, float dx) const;
    float tone_comb(float t) const;
    float cached_unfiltered(float t, float dx);
    void prepare_cache(int columns, float dx);
    void draw_row(int r, const std::array<Canvas*, 4>& plots, Plot_curves& pc);
    std::string caption(int index) const;
};
