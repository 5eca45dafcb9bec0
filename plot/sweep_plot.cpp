#include "plot/sweep_plot.h"

#include "engine/number_text.h"
#include "engine/par_rows.h"
#include "plot/conversions.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int margin_left = 64;
constexpr int margin_right = 210; // room for the legend
constexpr int margin_top = 28;
constexpr int margin_bottom = 40;
constexpr int tick_px = 4;
// Room of one tick label along each axis, pixels: at most this many labels fit.
constexpr int x_label_px = 80;
constexpr int y_label_px = 30;
constexpr int max_x_intervals = 6;
constexpr int font_px = 12;
constexpr int digit_px = 6; // about the width of a digit of the font, for centring
constexpr int legend_line_px = 18;
constexpr int point_px = 2; // half the side of a point's square

constexpr std::array<Rgb, 6> step_colours{
    {{0, 0, 255}, {255, 0, 0}, {0, 150, 0}, {200, 120, 0}, {150, 0, 200}, {0, 160, 170}}};

double to_axis(double v, bool log) { return log ? std::log10(v) : v; }

// A tick value without the last bits of its sum ("0.3", not "0.30000000000000004").
std::string tick_text(double v) { return significant_text(v, 12); }

// A tick at the axis end may lie a float's rounding beyond it: steps of this share of
// the tick step (or of the value, on a log axis) still count as on the axis.
constexpr double on_axis_share = 1.0e-6;

// m x 10^e as the double nearest that decimal: 0.3, not 3 x 0.1 = 0.30000000000000004.
double decimal(double m, int e) { return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e); }

// 1, 2 and 5 times the powers of ten from lo to hi.
std::vector<double> one_two_five(double lo, double hi)
{
    std::vector<double> ticks;
    const int first = static_cast<int>(std::floor(std::log10(lo)));
    const int last = static_cast<int>(std::ceil(std::log10(hi)));
    for (int k = first; k <= last; ++k)
        for (double m : {1.0, 2.0, 5.0}) {
            const double v = decimal(m, k);
            if (v >= lo * (1.0 - on_axis_share) && v <= hi * (1.0 + on_axis_share))
                ticks.push_back(v);
        }
    return ticks;
}

std::vector<double> ticks_of(const Sweep_frame& f, bool x)
{
    const double lo = x ? f.x_lo : f.y_lo, hi = x ? f.x_hi : f.y_hi;
    int intervals = x ? std::clamp((f.right - f.left) / x_label_px, 1, max_x_intervals)
                      : std::max(1, (f.bottom - f.top) / y_label_px);
    if (x && f.x_whole)
        intervals =
            std::max(1, static_cast<int>(std::min(hi - lo, static_cast<double>(intervals))));
    return (x ? f.x_log : f.y_log) ? log_ticks(lo, hi, intervals) : round_ticks(lo, hi, intervals);
}

Rgb colour_of(int step)
{
    return step_colours[static_cast<size_t>(step - 1) % step_colours.size()];
}

void draw_axes(Canvas& box, const Sweep_frame& f, const std::string& x_name)
{
    box.set_pen(colour::black, 1);
    box.set_brush(colour::white);
    box.rectangle(f.left, f.top, f.right + 1, f.bottom + 1);
    box.set_font(font_px, colour::black);
    for (double v : ticks_of(f, true)) {
        const int x = f.x_of(v);
        box.move_to(x, f.bottom);
        box.line_to(x, f.bottom + tick_px);
        const std::string label = tick_text(v);
        box.text_out(x - static_cast<int>(label.size()) * digit_px / 2, f.bottom + tick_px + 2,
                     label);
    }
    for (double v : ticks_of(f, false)) {
        const int y = f.y_of(v);
        box.move_to(f.left - tick_px, y);
        box.line_to(f.left, y);
        box.text_out(4, y - font_px / 2, tick_text(v));
    }
    box.text_out(f.left, f.bottom + tick_px + 4 + font_px, x_name);
    box.text_out(4, 6,
                 std::string("share of wrong signals per receive step") +
                     (f.y_log ? " (log; none wrong: on the bottom line)" : ""));
}

void draw_curve(Canvas& box, const Sweep_frame& f, const Sweep_result& r, int step)
{
    const Rgb c = colour_of(step);
    box.set_pen(c, 1);
    box.set_brush(c);
    for (size_t k = 0; k < r.points.size(); ++k) {
        const Sweep_point& p = r.points[k];
        const int x = f.x_of(static_cast<double>(p.value));
        const int y = f.y_of(wrong_share(p.steps[static_cast<size_t>(step - 1)]));
        if (k == 0)
            box.move_to(x, y);
        else
            box.line_to(x, y);
        box.fill_rect(x - point_px, y - point_px, x + point_px + 1, y + point_px + 1);
        box.move_to(x, y);
    }
}

// The first earlier step whose curve this step's curve lies on, or 0.
int hidden_under(const Sweep_result& r, int step)
{
    for (int earlier = 1; earlier < step; ++earlier) {
        bool same = !r.points.empty();
        for (const Sweep_point& p : r.points)
            same = same && wrong_share(p.steps[static_cast<size_t>(step - 1)]) ==
                               wrong_share(p.steps[static_cast<size_t>(earlier - 1)]);
        if (same) return earlier;
    }
    return 0;
}

void draw_legend(Canvas& box, const Sweep_frame& f, const Sweep_result& r)
{
    const int steps = r.steps;
    for (int step = 1; step <= steps; ++step) {
        const int y = f.top + (step - 1) * legend_line_px;
        const Rgb c = colour_of(step);
        box.set_pen(c, 2);
        box.move_to(f.right + 10, y + font_px / 2);
        box.line_to(f.right + 30, y + font_px / 2);
        box.set_brush(colour::white);
        box.set_font(font_px, c);
        const int under = hidden_under(r, step);
        box.text_out(f.right + 36, y,
                     sweep_step_name(step) +
                         (under > 0 ? " (= " + std::to_string(under) + ")" : ""));
    }
}

} // namespace

std::vector<double> round_ticks(double lo, double hi, int max_intervals)
{
    std::vector<double> ticks;
    if (!(hi > lo) || !std::isfinite(hi - lo) || max_intervals < 1) return ticks;
    const double least = (hi - lo) / max_intervals;
    const int e = static_cast<int>(std::floor(std::log10(least)));
    double m = 10.0; // the step is m x 10^e
    for (double smaller : {5.0, 2.0, 1.0})
        if (decimal(smaller, e) >= least * (1.0 - on_axis_share)) m = smaller;
    const double step = decimal(m, e);
    // Whole multiples of the step, each its own decimal rather than a sum of steps;
    // + 0.0 turns -0 into 0.
    const auto most = static_cast<size_t>(max_intervals) + 1;
    for (double n = std::ceil(lo / step - on_axis_share);
         n * step <= hi + on_axis_share * step && ticks.size() < most; n += 1.0)
        ticks.push_back(decimal(n * m, e) + 0.0);
    return ticks;
}

std::vector<double> log_ticks(double lo, double hi, int max_intervals)
{
    if (!(lo > 0.0) || !(hi > lo) || max_intervals < 1) return {};
    const std::vector<double> fine = one_two_five(lo, hi);
    if (fine.size() >= 2 && fine.size() <= static_cast<size_t>(max_intervals) + 1) return fine;
    const int first = static_cast<int>(std::ceil(std::log10(lo) - on_axis_share));
    const int last = static_cast<int>(std::floor(std::log10(hi) + on_axis_share));
    if (last <= first) return round_ticks(lo, hi, max_intervals);
    // Every decade, or every second, third ... when they would crowd.
    const int every = (last - first + max_intervals - 1) / max_intervals;
    std::vector<double> ticks;
    for (int k = first; k <= last; k += every) ticks.push_back(decimal(1.0, k));
    return ticks;
}

double wrong_share(const Step_count& c)
{
    return c.total > 0 ? static_cast<double>(c.wrong) / c.total : 0.0;
}

std::string sweep_step_name(int step)
{
    static constexpr std::array<const char*, 6> names{"data bits",        "code bits",
                                                      "interleaved bits", "Walsh chips",
                                                      "long-code chips",  "analog chips"};
    if (step < 1 || step > 6) return {};
    return "step " + std::to_string(step) + ": " + names[static_cast<size_t>(step - 1)];
}

Sweep_frame Sweep_frame::of(const Sweep_result& r, bool y_log, int width, int height)
{
    Sweep_frame f;
    f.left = margin_left;
    f.top = margin_top;
    f.right = std::max(f.left + 1, width - margin_right);
    f.bottom = std::max(f.top + 1, height - margin_bottom);
    f.x_log = r.log;
    if (r.row >= 0 && r.row < par_row_count) {
        const Par_range range = par_rows[static_cast<size_t>(r.row)].range;
        f.x_whole = range == Par_range::on_off || range == Par_range::iq;
    }
    if (!r.points.empty()) {
        const auto a = static_cast<double>(r.points.front().value);
        const auto b = static_cast<double>(r.points.back().value);
        f.x_lo = std::min(a, b);
        f.x_hi = std::max(a, b);
    }
    if (f.x_log && f.x_lo < 0.0) {
        // Negative log sweeps run along the magnitudes.
        f.x_log = false;
    }
    if (!(f.x_hi > f.x_lo)) f.x_hi = f.x_lo + 1.0;
    double top = 0.0, least = 1.0;
    for (const Sweep_point& p : r.points)
        for (const Step_count& c : p.steps) {
            const double s = wrong_share(c);
            top = std::max(top, s);
            if (s > 0.0) least = std::min(least, s);
        }
    f.y_log = y_log;
    if (y_log) {
        f.y_hi = 1.0;
        f.y_lo = std::max(sweep_log_floor, std::pow(10.0, std::floor(std::log10(least)) - 1.0));
    } else {
        f.y_lo = 0.0;
        // The axis ends at the next tenth above the largest share.
        f.y_hi = top > 0.0 ? std::min(1.0, std::ceil(top * 10.0) / 10.0) : 1.0;
    }
    return f;
}

int Sweep_frame::x_of(double value) const
{
    const double a = to_axis(value, x_log), lo = to_axis(x_lo, x_log), hi = to_axis(x_hi, x_log);
    return left + trunc_to_int((a - lo) / (hi - lo) * (right - left));
}

int Sweep_frame::y_of(double share) const
{
    if (y_log && share < y_lo) share = y_lo;
    const double a = to_axis(share, y_log), lo = to_axis(y_lo, y_log), hi = to_axis(y_hi, y_log);
    return bottom - trunc_to_int((a - lo) / (hi - lo) * (bottom - top));
}

void draw_sweep(Canvas& box, const Sweep_result& r, bool y_log)
{
    box.set_brush(colour::white);
    box.fill_rect(0, 0, box.width(), box.height());
    const Sweep_frame f = Sweep_frame::of(r, y_log, box.width(), box.height());
    std::string x_name;
    if (r.row >= 0 && r.row < par_row_count) {
        const Par_row& row = par_rows[static_cast<size_t>(r.row)];
        x_name = std::string(row.name) +
                 (row.unit == Par_unit::mhz   ? " (MHz)"
                  : row.unit == Par_unit::pct ? " (%)"
                                              : "") +
                 (f.x_log ? ", log scale" : "");
    }
    draw_axes(box, f, x_name);
    for (int step = 1; step <= r.steps; ++step) draw_curve(box, f, r, step);
    draw_legend(box, f, r);
}
