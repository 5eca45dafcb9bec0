#include "plot/eye_pattern.h"

#include "analog/analog_mod.h"
#include "analog/path_samples.h"
#include "engine/engine_objects.h"
#include "engine/parameters.h"
#include "plot/plot_ctrl.h"
#include "plot/plot_curves.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <unordered_map>
#include <vector>

namespace {

constexpr int side_receive = -7;
constexpr int side_transmit = 6;
constexpr int branch_i = 100;
constexpr int branch_q = 200;
constexpr int scan_chips = 30; // the range scan covers the first 30 chips
constexpr int traces_per_group = 5;
constexpr float last_start_us = 50.0f; // the groups end once a trace starts here or later

// A chip in microseconds, rounded to float.
float chip_us(float chip_rate) { return static_cast<float>(1e6 / static_cast<double>(chip_rate)); }

// The range scan's instants (microseconds): 30 chips at the plot step, summed in float.
std::vector<float> scan_instants(float dt, int width)
{
    std::vector<float> t_us;
    float t = 0.0f;
    for (int n = 0; n < scan_chips * width; ++n, t += dt) t_us.push_back(t);
    return t_us;
}

// The start of every trace, in drawing order: group g starts its five traces at the chip
// boundaries g + 1 .. g + 5, each a float sum from the group's start, and the next group
// starts one chip later. Consecutive groups thus share four starts to the last bit.
std::vector<float> trace_starts(float tc_us)
{
    std::vector<float> starts;
    float x0 = 0.0f;
    float limit = 0.0f;
    while (limit < last_start_us) {
        const float saved = x0;
        for (int k = 0; k < traces_per_group; ++k) {
            x0 += tc_us;
            starts.push_back(x0);
        }
        if (!(x0 > limit)) break; // a chip too short to advance the float sum
        limit = x0;
        x0 = saved + tc_us;
    }
    return starts;
}

std::string short_number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", v);
    return text;
}

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

// The filter-independent part of the signal at every instant the eye evaluates, computed
// once: the scan's instants, and the columns of each distinct trace start.
class Eye_columns {
public:
    Eye_columns(const Analog_mod& a, const Chain_signal& chips, const std::vector<float>& scan_us,
                const std::vector<float>& starts, float dt, int width)
    {
        Path_samples all;
        for (float t : scan_us) all.t.push_back(Analog_mod::seconds(t));
        blocks.push_back({0, scan_us.size()});
        Curve_frame frame;
        frame.dx = dt;
        for (float start : starts) {
            if (by_start.contains(bits(start))) continue;
            by_start[bits(start)] = blocks.size();
            frame.x0 = start;
            const size_t first = all.t.size();
            for (int x = 0; x + 1 < width; ++x)
                all.t.push_back(Analog_mod::seconds(column_abscissa(frame, x)));
            blocks.push_back({first, all.t.size()});
        }
        all.evaluate(a, chips, worker_threads());
        for (const Block& b : blocks) samples.push_back(slice(all, b));
    }

    const Path_samples& scan() const { return samples.front(); }
    const Path_samples& trace(float start) const { return samples[by_start.at(bits(start))]; }

private:
    struct Block {
        size_t from, to;
    };
    std::vector<Block> blocks;
    std::vector<Path_samples> samples;
    std::unordered_map<std::uint32_t, size_t> by_start;

    template <typename T> static std::vector<T> part(const std::vector<T>& v, const Block& b)
    {
        const auto from = static_cast<std::ptrdiff_t>(b.from);
        const auto to = static_cast<std::ptrdiff_t>(b.to);
        return std::vector<T>(v.begin() + from, v.begin() + to);
    }

    static Path_samples slice(const Path_samples& all, const Block& b)
    {
        Path_samples s;
        s.t = part(all.t, b);
        s.sum = part(all.sum, b);
        s.car = part(all.car, b);
        for (size_t i = 0; i < s.dem.size(); ++i) s.dem[i] = part(all.dem[i], b);
        return s;
    }
};

// Ends the analog stage's use of stored columns, however the drawing ends.
struct Columns_off {
    Analog_mod& a;
    ~Columns_off() { a.use_columns(nullptr, {}); }
};

} // namespace

void Eye_pattern::toggle_side() { side_point = -(side_point + 1); }

void Eye_pattern::toggle_branch(float iq_branches)
{
    if (std::trunc(iq_branches) > 1.5f) branch_code = branch_i + branch_q - branch_code;
}

void Eye_pattern::toggle_mode() { running = !running; }

std::string Eye_pattern::caption() const
{
    return std::string("eye pattern (") + (side_point == side_transmit ? "xmit, " : "rcve, ") +
           (branch_code == branch_i ? "I - " : "Q - ") + (running ? "running " : "summing ") +
           "plot)";
}

int Eye_pattern::code() const
{
    return side_point < 0 ? side_point - branch_code : side_point + branch_code;
}

std::string Eye_pattern::refusal(int width)
{
    if (nr_stages != 6 || !chain_ready() || !transmission.ran() || plot_chips().i == nullptr)
        return "the eye pattern needs a run first: press 'xmit/rcve'";
    return width_refusal(width);
}

std::string Eye_pattern::width_refusal(int width)
{
    if (width < 2) return "the eye pattern needs a box at least 2 pixels wide";
    const double step_us = static_cast<double>(chip_us(analog_pars().chip_rate)) / width;
    if (!(step_us >= eye_min_step_us))
        return "the eye pattern's step of " + short_number(step_us) +
               " microseconds per pixel is below 1e-5, where the band-pass filters are no "
               "longer stable";
    return {};
}

bool Eye_pattern::draw(Canvas& box, Analog_mod& a, Plot_curves& pc, Progress& progress)
{
    if (branch_code == branch_q && !(std::trunc(a.iq_branches) > 1.5f)) branch_code = branch_i;
    const Chain_signal chips = plot_chips();
    const int w = box.width();
    const float tc_us = chip_us(a.chip_rate);
    const float dt = tc_us / static_cast<float>(w); // one chip spans the box
    a.prepare_plot(code(), dt);

    const std::vector<float> scan_us = scan_instants(dt, w);
    const std::vector<float> starts = trace_starts(tc_us);
    const bool cached = column_cache && a.point_uses_columns() && chips.i != nullptr;
    const Columns_off off{a};
    std::vector<Eye_columns> columns; // none, or the one cache
    if (cached) columns.emplace_back(a, chips, scan_us, starts, dt, w);

    // The scan also runs the filters in; their state carries on into the traces.
    if (cached) a.use_columns(&columns.front().scan(), chips);
    y_min = 0.0f;
    y_max = 0.0f;
    for (float t : scan_us) {
        const float v = a.signal_at(chips, t);
        if (v > y_max) y_max = v;
        if (v < y_min) y_min = v;
    }

    Curve_frame frame;
    frame.dx = dt;
    frame.y_lo = y_min;
    frame.y_hi = y_max;
    const Value_source source = [&a, &chips](float t, const Curve_frame&) {
        return a.signal_at(chips, t);
    };
    size_t next = 0;
    while (next < starts.size()) {
        if (running) frame.overlay = 0.0f;
        for (int k = 0; k < traces_per_group && next < starts.size(); ++k, ++next) {
            frame.x0 = starts[next];
            if (cached) a.use_columns(&columns.front().trace(frame.x0), chips);
            pc.plot(box, frame, source);
            frame.overlay = overlay_flag;
        }
        const double done = static_cast<double>(next) / static_cast<double>(starts.size());
        if (!progress.report(done)) return false;
    }
    return true;
}
