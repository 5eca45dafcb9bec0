#include "plot/constellation.h"

#include "analog/analog_objects.h"
#include "engine/decision_line.h"
#include "engine/engine_objects.h"
#include "engine/parameters.h"
#include "engine/xmit.h"
#include "plot/plot_ctrl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int analog_stage = 6;
constexpr size_t receive_buffer = 2;  // the ADC's soft chips as the receive pass hands them on
constexpr float min_half_span = 0.5f; // clean chips lie 0.5 from the decision line
constexpr float margin = 1.1f;        // the outermost point keeps a tenth of the span free
constexpr int dash_px = 4;
constexpr int point_px = 2;
constexpr Rgb line_grey{160, 160, 160};

enum Pixel : std::uint8_t { empty = 0, right = 1, wrong = 2 };

// One branch: each chip's distance from the decision line, and the chips on the other side
// of it than the sent chip, judged as the receive steps' error counts judge them.
struct Branch {
    std::vector<float> offset;
    std::vector<bool> wrong;
    int wrong_count = 0;
};

Branch branch_points(const std::vector<float>& sent, const std::vector<float>& shown, int n,
                     bool flat)
{
    const float range = sent_range([&sent](int k) { return sent[static_cast<size_t>(k)]; }, n);
    Branch b;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<size_t>(k);
        const float ta = from_line(sent[i], range);
        const float tb = flat ? 0.0f : from_line(shown[i], range);
        b.offset.push_back(0.5f * tb);
        const bool w = wrong_side(ta, tb);
        b.wrong.push_back(w);
        b.wrong_count += w ? 1 : 0;
    }
    return b;
}

void dashed(Canvas& box, int x1, int y1, int x2, int y2)
{
    const bool across = y1 == y2;
    const int length = across ? x2 - x1 : y2 - y1;
    for (int d = 0; d < length; d += 2 * dash_px) {
        const int e = std::min(length, d + dash_px);
        box.move_to(across ? x1 + d : x1, across ? y1 : y1 + d);
        box.line_to(across ? x1 + e : x1, across ? y1 : y1 + e);
    }
}

} // namespace

void Constellation::toggle_side() { transmit = !transmit; }

std::string Constellation::caption() const
{
    return std::string("constellation (") + (transmit ? "xmit, " : "rcve, ") +
           std::to_string(chips) + " chips): wrong I: " + std::to_string(wrong_i) +
           ", wrong Q: " + std::to_string(wrong_q) + (one_branch ? ", one branch: I only" : "");
}

std::string Constellation::refusal()
{
    if (nr_stages != analog_stage || !chain_ready() || !transmission.complete ||
        plot_chips().i == nullptr)
        return "the constellation needs a run first: press 'xmit/rcve'";
    return {};
}

void Constellation::draw(Canvas& box)
{
    const std::vector<std::vector<float>>& sent = pn_spread_iq.buf;
    const std::vector<std::vector<float>>& adc = analog_mod.buf;
    const size_t first = transmit ? 0 : receive_buffer;
    const std::vector<std::vector<float>>& shown = transmit ? sent : adc;
    chips = wrong_i = wrong_q = 0;
    i_points.clear();
    q_points.clear();
    if (sent.size() < 2 || shown.size() < first + 2) return; // no chain to show
    const size_t n =
        std::min({static_cast<size_t>(std::max(0, pn_spread_iq.out_len)), sent[0].size(),
                  sent[1].size(), shown[first].size(), shown[first + 1].size()});
    chips = static_cast<int>(n);
    one_branch = analog_mod.branch_count() < 2;
    const Branch bi = branch_points(sent[0], shown[first], chips, false);
    const Branch bq = branch_points(sent[1], shown[first + 1], chips, one_branch);
    wrong_i = bi.wrong_count;
    wrong_q = bq.wrong_count;
    i_points = bi.offset;
    q_points = bq.offset;

    float half = min_half_span;
    for (size_t k = 0; k < n; ++k)
        half = std::max({half, std::fabs(bi.offset[k]), std::fabs(bq.offset[k])});
    const int side = std::min(box.width(), box.height());
    const int left = (box.width() - side) / 2;
    const int top = (box.height() - side) / 2;
    const int cx = left + side / 2;
    const int cy = top + side / 2;
    const float px_per_unit =
        static_cast<float>(std::max(0, side / 2 - point_px)) / (half * margin);

    box.set_brush(colour::white);
    box.fill_rect(0, 0, box.width(), box.height());
    box.set_pen(line_grey, 1);
    dashed(box, left, cy, left + side, cy);
    dashed(box, cx, top, cx, top + side);

    // Each pixel once: blue where every chip on it is right, red where one is wrong.
    std::vector<std::uint8_t> pixels(static_cast<size_t>(side) * static_cast<size_t>(side), empty);
    for (size_t k = 0; k < n; ++k) {
        const int x = static_cast<int>(std::lround(bi.offset[k] * px_per_unit)) + side / 2;
        const int y = side / 2 - static_cast<int>(std::lround(bq.offset[k] * px_per_unit));
        if (x < 0 || y < 0 || x >= side || y >= side) continue;
        std::uint8_t& p =
            pixels[static_cast<size_t>(y) * static_cast<size_t>(side) + static_cast<size_t>(x)];
        p = std::max<std::uint8_t>(p, (bi.wrong[k] || bq.wrong[k]) ? wrong : right);
    }
    Rgb brush = colour::white;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const std::uint8_t p = pixels[static_cast<size_t>(y * side + x)];
            if (p == empty) continue;
            const Rgb c = p == wrong ? colour::red : colour::blue;
            if (!(c == brush)) box.set_brush(brush = c);
            box.fill_rect(left + x, top + y, left + x + point_px, top + y + point_px);
        }
}
