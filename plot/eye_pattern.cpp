#include "plot/eye_pattern.h"

#include "analog/analog_mod.h"
#include "engine/engine_objects.h"
#include "engine/number_text.h"
#include "engine/parameters.h"
#include "plot/eye_instants.h"
#include "plot/plot_ctrl.h"
#include "plot/plot_curves.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
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

std::string short_number(double v) { return significant_text(v, 3); }

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

// What the scan and the traces read: the analog stage at every instant, or, when cached,
// the stored filter-independent part of each instant (the receive side, whose filters
// still run at every call) or the stored value itself (the transmit side, which has no
// filter state). Either way the values are the same.
class Eye_source {
public:
    // Tells progress how far the cache has come; stopped() once progress asked to stop.
    Eye_source(Analog_mod& analog, const Chain_signal& branch_chips, bool cache,
               const std::vector<float>& scan_us, const std::vector<float>& starts, float dt,
               int width, Progress& progress)
        : a(analog), chips(branch_chips)
    {
        if (!cache || chips.i == nullptr) return;
        if (a.point_uses_columns()) {
            instants.emplace(scan_us, starts, dt, width);
            auto c = instants->path_samples(a, chips, progress);
            if (c) columns = std::move(*c);
            stop = !c;
        } else if (a.plot_point == Analog_point::dac && a.plot_branch > 0) {
            instants.emplace(scan_us, starts, dt, width);
            auto v = instants->dac_values(a, a.plot_branch / 2 == 0 ? chips.i : chips.q, progress);
            if (v) values = std::move(*v);
            stop = !v;
        }
    }
    bool stopped() const { return stop; }
    ~Eye_source() { a.use_columns(nullptr, {}); }
    Eye_source(const Eye_source&) = delete;
    Eye_source& operator=(const Eye_source&) = delete;

    // Before the scan.
    void begin_scan() { begin(0); }
    // Before the trace starting at start_us.
    void begin_trace(float start_us) { begin(instants ? instants->block_of(start_us) : 0); }

    float operator()(float t_us)
    {
        if (block_values != nullptr) {
            const float t = Analog_mod::seconds(t_us);
            if (next >= block_t.size() || bits(block_t[next]) != bits(t)) next = 0;
            if (next < block_t.size() && bits(block_t[next]) == bits(t))
                return (*block_values)[next++];
        }
        return a.signal_at(chips, t_us);
    }

private:
    Analog_mod& a;
    Chain_signal chips;
    std::optional<Eye_instants> instants;
    std::vector<Path_samples> columns;
    std::vector<std::vector<float>> values;
    std::vector<float> block_t;
    const std::vector<float>* block_values = nullptr;
    size_t next = 0;
    bool stop = false;

    void begin(size_t block)
    {
        if (!columns.empty()) a.use_columns(&columns[block], chips);
        if (values.empty()) return;
        block_t = instants->instants(block);
        block_values = &values[block];
        next = 0;
    }
};

} // namespace

void Eye_pattern::toggle_side() { side_point = -(side_point + 1); }

void Eye_pattern::toggle_branch(float iq_branches)
{
    if (std::trunc(iq_branches) > 1.5f) branch_code = branch_i + branch_q - branch_code;
}

void Eye_pattern::fit_branch(float iq_branches)
{
    if (branch_code == branch_q && !(std::trunc(iq_branches) > 1.5f)) branch_code = branch_i;
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
    if (nr_stages != 6 || !chain_ready() || !transmission.complete || plot_chips().i == nullptr)
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
    fit_branch(a.iq_branches);
    const int w = box.width();
    const float tc_us = chip_us(a.chip_rate);
    const float dt = tc_us / static_cast<float>(w); // one chip spans the box
    a.prepare_plot(code(), dt);
    const std::vector<float> scan_us = scan_instants(dt, w);
    const std::vector<float> starts = trace_starts(tc_us);
    // The cache costs about as much as the traces drawn from it.
    constexpr double cache_share = 0.5;
    Progress_part caching(progress, 0.0, cache_share);
    Eye_source source(a, plot_chips(), column_cache, scan_us, starts, dt, w, caching);
    if (source.stopped()) return false;
    Progress_part tracing(progress, cache_share, 1.0 - cache_share);

    // The scan also runs the filters in; their state carries on into the traces.
    source.begin_scan();
    y_min = 0.0f;
    y_max = 0.0f;
    for (float t : scan_us) {
        const float v = source(t);
        if (v > y_max) y_max = v;
        if (v < y_min) y_min = v;
    }

    Curve_frame frame;
    frame.dx = dt;
    frame.y_lo = y_min;
    frame.y_hi = y_max;
    const Value_source f = [&source](float t, const Curve_frame&) { return source(t); };
    size_t next = 0;
    while (next < starts.size()) {
        if (running) frame.overlay = 0.0f;
        for (int k = 0; k < traces_per_group && next < starts.size(); ++k, ++next) {
            frame.x0 = starts[next];
            source.begin_trace(frame.x0);
            pc.plot(box, frame, f);
            frame.overlay = overlay_flag;
        }
        const double done = static_cast<double>(next) / static_cast<double>(starts.size());
        if (!tracing.report(done)) return false;
    }
    return true;
}
