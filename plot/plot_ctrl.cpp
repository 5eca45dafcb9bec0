#include "plot/plot_ctrl.h"

#include "analog/analog_objects.h"
#include "analog/parallel_parts.h"
#include "analog/path_samples.h"
#include "engine/elements.h"
#include "engine/engine_objects.h"
#include "engine/parameters.h"
#include "plot/conversions.h"
#include "plot/fixed_text.h"
#include "plot/narrowed_canvas.h"
#include "plot/plot_objects.h"
#include "plot/signal_names.h"

#include <algorithm>
#include <vector>

int fft_code = 0;

namespace {

// Spectra are at most 2^9 = 512 values long.
constexpr int max_fft_exponent = 9;
// Wider plots compute their analog columns one instant at a time rather than hold them.
constexpr int max_cached_columns = 1 << 16;

// The largest power of two up to 512 that fits the width; 1 for a box one pixel wide or
// less, which has no columns and so captures nothing.
int fft_size_for(int width)
{
    int k = max_fft_exponent;
    while (k > 0 && (1 << k) > width) --k;
    return 1 << k;
}

// The box belongs to the caller and lives only for one drawing; forgotten however it ends.
struct Box_use {
    Canvas*& box;
    ~Box_use() { box = nullptr; }
};

// Ends the analog stage's use of a plot's columns, however the drawing ends.
struct Column_use {
    Column_use(const Path_samples& columns, const Chain_signal& chips)
    {
        analog_mod.use_columns(&columns, chips);
    }
    ~Column_use() { analog_mod.use_columns(nullptr, {}); }
    Column_use(const Column_use&) = delete;
    Column_use& operator=(const Column_use&) = delete;
};

} // namespace

Chain_signal plot_chips()
{
    const auto& b = pn_spread_iq.buf;
    if (b.size() < 2 || da_ad.n_chips < 0) return {};
    const auto n = static_cast<size_t>(da_ad.n_chips);
    if (b[0].size() < n || b[1].size() < n) return {};
    return {pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()};
}

void Plot_ctrl::set_window(float total, float width, float start)
{
    t_total = total;
    delta_t = width;
    t_zero = start;
    empty_capture();
}

void Plot_ctrl::empty_capture()
{
    fft_count = 0;
    fft_size = 0;
    ++emptied;
}

void Plot_ctrl::forget_window(int window_code)
{
    if (window_code == capture_code) empty_capture();
}

bool Plot_ctrl::captured() const { return fft_count > 0 && capture_run == transmission.runs; }

Plot_ctrl::Stamp Plot_ctrl::stamp() const { return {transmission.runs, emptied}; }

void Plot_ctrl::start_capture()
{
    if (captured()) return;
    fft_count = 0;
    fft_size = fft_size_for(width);
    capture_run = transmission.runs;
    capture_code = code;
    capture_us_per_px = us_per_px;
}

float Plot_ctrl::select(int stage_code, Canvas& target)
{
    code = stage_code;
    const Stage_code_parts parts = decode_stage_code(code);
    side = parts.side;
    stage = parts.position;
    variant = parts.variant;
    selected = find_stage_code(code);
    const Elements* e = stage_table[static_cast<size_t>(parts.element())];
    const int len = get_len(e, side);
    width = target.width();
    box = &target;
    const int n_tx = get_nbuf(e, 1);
    buffer = side > 0 ? std::min(variant / 2, n_tx - 1)
                      : std::min(n_tx + variant / 2, n_tx + get_nbuf(e, -1) - 1);
    // A box without width is drawn as if one pixel wide; no plot time means no rate.
    us_per_px = to_float(static_cast<double>(delta_t) / std::max(1, width));
    rate = t_total > 0.0f ? to_float(len / static_cast<double>(t_total)) : 0.0f;
    return us_per_px;
}

bool Plot_ctrl::stored_signal() const
{
    return selected != nullptr && selected->kind == Signal_kind::stored;
}

bool Plot_ctrl::analog_signal() const
{
    return selected != nullptr && selected->kind == Signal_kind::analog;
}

float Plot_ctrl::sample_at(float t, const Curve_frame& frame)
{
    float v = 0.0f; // codes outside the table
    if (stored_signal()) {
        const int i = trunc_to_int(static_cast<double>(t) * static_cast<double>(frame.rate));
        v = 2.0f * get_sample(stage_table[static_cast<size_t>(stage)], buffer, i) - 1.0f;
    } else if (analog_signal()) {
        v = analog_mod.signal_at(plot_chips(), t);
    }
    capture(v, side * stage);
    return v;
}

void Plot_ctrl::capture(float v, int signed_stage)
{
    const auto room = static_cast<int>(fourier_fft.data.size());
    // One window's values only; a wider window drawn later does not fill up the rest.
    if (code != capture_code || capture_run != transmission.runs) return;
    if (fft_count < 0 || fft_count >= fft_size || fft_count >= room) return;
    fourier_fft.data[static_cast<size_t>(fft_count)] = v;
    ++fft_count;
    fft_code = signed_stage;
}

void Plot_ctrl::draw_curve(Curve_frame& frame)
{
    std::vector<float> returned;
    const Value_source source = [this, &returned](float t, const Curve_frame& f) {
        returned.push_back(sample_at(t, f));
        return returned.back();
    };
    const Chain_signal chips = plot_chips();
    const bool cached = column_cache && analog_signal() && analog_mod.point_uses_columns() &&
                        chips.i != nullptr && width <= max_cached_columns;
    if (!cached) {
        plot_curves.plot(*box, frame, source);
    } else {
        Path_samples columns;
        for (int x = 0; x + 1 < width; ++x)
            columns.t.push_back(Analog_mod::seconds(column_abscissa(frame, x)));
        columns.evaluate(analog_mod, chips, worker_threads());
        const Column_use use(columns, chips);
        plot_curves.plot(*box, frame, source);
    }
    keep_drawn(frame, returned);
}

void Plot_ctrl::keep_drawn(const Curve_frame& frame, const std::vector<float>& returned)
{
    const size_t columns = std::min(returned.size(), static_cast<size_t>(std::max(0, width - 1)));
    drawn_values.assign(returned.end() - static_cast<std::ptrdiff_t>(columns), returned.end());
    drawn_t.clear();
    for (size_t x = 0; x < columns; ++x)
        drawn_t.push_back(column_abscissa(frame, static_cast<int>(x)));
}

std::string Plot_ctrl::plot()
{
    if (box == nullptr) return {};
    const Box_use use{box};
    start_capture();
    Curve_frame frame;
    frame.x0 = t_zero;
    frame.dx = us_per_px;
    frame.y_lo = 1.0f; // y_lo >= y_hi: automatic range
    frame.y_hi = -1.0f;
    frame.rate = rate;
    const double spp = static_cast<double>(us_per_px) * static_cast<double>(rate);
    const int ppx = std::max(1, trunc_to_int(std::ceil(spp > 0.0 ? 1.0 / spp : HUGE_VAL)));

    draw_curve(frame);
    int off = 0;
    std::string text = caption(frame, off);
    plot_curves.axes(ppx - off, ppx);
    return text;
}

std::string Plot_ctrl::caption(const Curve_frame& frame, int& off) const
{
    const Stage_code_parts parts = decode_stage_code(code);
    const auto r = static_cast<double>(rate);
    const double spp = static_cast<double>(us_per_px) * r;
    const int first = trunc_to_int(static_cast<double>(t_zero) * r + spp);
    const int last = trunc_to_int((static_cast<double>(width) - 1.0) * spp + first);
    std::string text = std::to_string(side * stage) + ". step; " + std::to_string(first) + " - " +
                       std::to_string(last) + ". " + buffer_name(parts);
    if (stage < 6) text += ", f= " + fixed_text(r, 8, 3) + " MHz";
    text += iq_suffix(parts);
    text += ", y: " + fixed_text(static_cast<double>(frame.y_lo), 6, 3) + " to " +
            fixed_text(static_cast<double>(frame.y_hi), 6, 3);
    off = 0;
    if (r > 0.0 && us_per_px > 0.0f)
        off = trunc_to_int(std::max(0.0, static_cast<double>(t_zero) - first / r) /
                           static_cast<double>(us_per_px));
    return text;
}

std::string draw_signal_plot(int code, Canvas& box)
{
    const float us_per_px = plot_ctrl.select(code, box);
    if (nr_stages == 6) analog_mod.prepare_plot(code, us_per_px);
    std::string caption = plot_ctrl.plot();
    const Stage_code* row = plot_ctrl.signal();
    if (row != nullptr && row->compared)
        caption += transmission.compare(row->element, plot_ctrl.variant);
    return caption;
}

float Plot_ctrl::fft_value(float x, const Curve_frame& frame)
{
    static_cast<void>(frame);
    const std::vector<float>& d = fourier_fft.data;
    if (!(x >= 0.0f) || x >= static_cast<float>(d.size())) return 0.0f;
    return d[static_cast<size_t>(x)]; // truncates toward zero
}

void Plot_ctrl::draw_spectrum(Canvas& target, Curve_frame& frame)
{
    const Value_source source = [this](float x, const Curve_frame& f) { return fft_value(x, f); };
    // Column x shows entry x; a box wider than the entries is cleared whole, and the curve
    // and its axes stop after the last entry.
    const int columns = static_cast<int>(fourier_fft.data.size()) + 1;
    if (target.width() <= columns) {
        plot_curves.plot(target, frame, source);
        plot_curves.axes(0, 100);
        return;
    }
    target.rectangle(0, 0, target.width(), target.height());
    frame.overlay = overlay_flag;
    Narrowed_canvas part(target, columns);
    plot_curves.plot(part, frame, source);
    plot_curves.axes(0, 100);
    plot_curves.canvas = &target; // the narrowed view ends here
}

void Plot_ctrl::plot_fft(Canvas& target)
{
    box = &target;
    const Box_use use{box};
    drawn_spectrum = {};
    if (!captured()) {
        target.text_out(10, 10, "no valid input for FFT! ");
        return;
    }
    fourier_fft.spectrum(fft_size); // a single value is its own spectrum
    Curve_frame frame;
    frame.x0 = 0.0f;
    frame.dx = 1.0f;
    frame.y_lo = 0.0f; // automatic range
    frame.y_hi = 0.0f;
    frame.log = 1.0f;
    fft_count = 0;
    draw_spectrum(target, frame);

    static const char* const scale[2] = {"linear", "log"};
    fft_text = std::string("FFT: y_range (") + scale[frame.log == 1.0f ? 1 : 0] +
               "): " + fixed_text(static_cast<double>(frame.y_lo), 5, 2) + " to " +
               fixed_text(static_cast<double>(frame.y_hi), 5, 2);
    target.text_out(270, 70, fft_text);
    // The Nyquist frequency of the captured values, in MHz as their spacing is in µs.
    const double nyquist =
        capture_us_per_px != 0.0f ? 0.5 / static_cast<double>(capture_us_per_px) : HUGE_VAL;
    fft_text = "stage: " + std::to_string(fft_code) +
               "; frequency range = " + fixed_text(nyquist, 7, 2) + " MHz";
    target.text_out(270, 85, fft_text);
    // Entry x of the packed spectrum lies at x / 2 frequency steps of 2 x nyquist / size.
    drawn_spectrum.levels = fourier_fft.data;
    drawn_spectrum.mhz_per_entry = nyquist / fft_size;
}

void plot_spectrum(Canvas& box) { plot_ctrl.plot_fft(box); }
