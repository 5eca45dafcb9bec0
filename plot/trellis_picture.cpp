#include "plot/trellis_picture.h"

#include "engine/conv_code.h"
#include "engine/elements.h"
#include "engine/engine_objects.h"
#include "engine/parameters.h"
#include "plot/fixed_text.h"

#include <algorithm>

namespace {

constexpr Rgb fuchsia{255, 0, 255};
constexpr Rgb lime{0, 255, 0};
constexpr Rgb aqua{0, 255, 255};
constexpr int path_pen = 3;
constexpr int dash_pieces = 7; // of an input-1 transition, one column wide
constexpr int label_x = 975;
constexpr int text_px = 13;
constexpr int cell_margin = 2; // between a cell's text and the table's right edge

// The state after input bit b: the newer bit becomes the older one.
int next_state(int from, int b) { return 2 * (from % 2) + b; }

// A transition of the skeleton and the columns in which a path can take it.
struct Skeleton_kind {
    int from, to, first, last;
};
// In the order "11d", "10d", "01d", "01u", "00u", "11u"; 0 -> 0 and 3 -> 3 run along
// their rows. The ranges keep paths that start in state 0 and end with two 0 bits.
constexpr std::array<Skeleton_kind, 6> skeleton_kinds{{
    {0, 1, 0, 21},
    {1, 2, 1, 22},
    {1, 3, 1, 21},
    {3, 2, 2, 22},
    {2, 1, 2, 21},
    {2, 0, 2, 23},
}};

void segment(Canvas& c, int col, int from, int to, int b)
{
    const int x = Trellis_picture::node_x(col);
    const int y = Trellis_picture::node_y(from);
    const int dy = Trellis_picture::node_y(to) - y;
    if (b == 1) {
        dashed_line(c, x, y, Trellis_picture::col_w, dy, dash_pieces);
    } else {
        c.move_to(x, y);
        c.line_to(x + Trellis_picture::col_w, y + dy);
    }
}

void clear_box(Canvas& c)
{
    c.set_pen(colour::black, 1);
    c.set_brush(colour::white);
    c.rectangle(0, 0, c.width(), c.height());
}

} // namespace

void dashed_line(Canvas& c, int x, int y, int dx, int dy, int n)
{
    n = std::max(n, 1);
    const int sx = dx / n;
    const int sy = dy / n;
    for (int k = 0; k < n; ++k) {
        if (k % 2 == 0) {
            c.move_to(x, y);
            c.line_to(x + sx, y + sy);
        }
        x += sx;
        y += sy;
    }
}

Rgb transition_colour(int from, int b)
{
    const int newer = from % 2;
    const int older = from / 2;
    const int out0 = code_bit(0, b, newer, older);
    const int out1 = code_bit(1, b, newer, older);
    if (out0 == out1) return out0 == 0 ? colour::blue : colour::red;
    return out0 == 1 ? fuchsia : lime;
}

bool Trellis_picture::run_available()
{
    if (transmission.stages == nullptr || transmission.last < 2 || transmission.last != nr_stages)
        return false;
    if (!transmission.complete || !chain_ready()) return false;
    const Elements& source = *stage_table[0];
    const Elements& deinterleaver = *stage_table[2];
    if (source.buf.empty() || deinterleaver.buf.size() < 2) return false;
    if (deinterleaver.buf[1].size() < static_cast<size_t>(2 * nr_bits)) return false;
    const Conv_code& code = conv_code;
    if (code.in_len < nr_bits) return false;
    for (const auto& p : code.path)
        if (p.size() < static_cast<size_t>(nr_bits)) return false;
    for (const auto& p : code.new_path)
        if (p.size() < static_cast<size_t>(nr_bits)) return false;
    return true;
}

void Trellis_picture::write_cell(Canvas& data, int row, int bit, int x, const std::string& text)
{
    // A figure of the last column that would run past the table's right edge ends at it.
    x = std::min(x, data.width() - cell_margin - data.text_width(text));
    data.text_out(x, row_y[static_cast<size_t>(row)], text);
    cells[static_cast<size_t>(row)][static_cast<size_t>(bit)] = text;
}

void Trellis_picture::data_paint(Canvas& data, const Elements& source,
                                 const Elements& deinterleaver)
{
    for (size_t k = 0; k < received.size(); ++k)
        received[k] = get_sample(&deinterleaver, 1, static_cast<int>(k));
    clear_box(data);
    data.set_font(text_px, colour::black);
    for (auto& row : cells) row.fill({});
    int y = 2;
    for (size_t r = 0; r < rows; ++r) {
        if (r == 2 || r == 6) y += 2;
        row_y[r] = y;
        data.text_out(2, y, row_labels[r]);
        y += 14;
    }
    for (int i = 0; i < nr_bits; ++i) {
        const int x = (i + 1) * col_w + margin_x - col_w / 2;
        const auto k = static_cast<size_t>(2 * i);
        write_cell(data, in0, i, x, fixed_text(static_cast<double>(received[k]), 7, 1));
        write_cell(data, in1, i, x, fixed_text(static_cast<double>(received[k + 1]), 7, 1));
        const int bit = static_cast<int>(get_sample(&source, 0, i));
        write_cell(data, org, i, x + node_r, std::to_string(bit));
    }
    step = 0;
}

void Trellis_picture::proceed(Conv_code& code, Canvas& upper, Canvas& lower, Canvas& data)
{
    for (int half = 0; half < 2; ++half) {
        step %= nr_bits;
        Canvas& box = half == 0 ? upper : lower;
        draw_trellis(code, box, data, step);
        if (half == 0) ++step;
        draw_skeleton(box);
    }
}

void Trellis_picture::draw_trellis(Conv_code& code, Canvas& box, Canvas& data, int s)
{
    clear_box(box);
    box.set_brush(aqua);
    for (int c = 0; c <= nr_bits; ++c) {
        // Only the states a path from state 0 can reach, and that end in state 0.
        const int states = c == 0 || c == nr_bits ? 1 : c == 1 ? 2 : 4;
        for (int r = 0; r < states; ++r) {
            const int x = margin_x + c * col_w;
            const int y = margin_y + r * row_h;
            box.ellipse(x, y, x + 2 * node_r, y + 2 * node_r);
        }
    }
    box.set_brush(colour::white);
    box.set_font(text_px, colour::black);
    for (int r = 0; r < 4; ++r)
        box.text_out(label_x, r * row_h, std::string{char('0' + r / 2), char('0' + r % 2)});

    Chain_signal recv{received.data(), received.data()};
    code.decode_steps(recv, s);

    data.set_brush(colour::white);
    data.set_font(text_px, colour::black);
    const int states = s == 0 ? 2 : s == nr_bits - 1 ? 1 : 4;
    for (int j = 0; j < states; ++j)
        write_cell(data, dsq0 + j, s, (s + 1) * col_w + margin_x,
                   fixed_text(static_cast<double>(code.metric[static_cast<size_t>(j)]), 7, 1));
    draw_paths(code, box, data, s);
}

void Trellis_picture::draw_paths(Conv_code& code, Canvas& box, Canvas& data, int s)
{
    // After bit 0 only states 0 and 1 have a survivor.
    const int first_end = s == 0 ? 1 : 3;
    for (int st = first_end; st >= 0; --st) {
        const std::vector<int>& path = code.path[static_cast<size_t>(st)];
        int state = 0;
        for (int i = 0; i <= s; ++i) {
            const int b = path[static_cast<size_t>(i)] != 0 ? 1 : 0;
            const int next = next_state(state, b);
            box.set_pen(transition_colour(state, b), path_pen);
            if (i != nr_bits - 1 || next == 0) segment(box, i, state, next, b);
            if (st == 0) write_cell(data, dec, i, node_x(i + 1) - col_w / 2, std::to_string(b));
            state = next;
        }
    }
}

void Trellis_picture::draw_skeleton(Canvas& box)
{
    box.set_pen(colour::black, 1);
    box.move_to(node_x(0), node_y(0));
    box.line_to(node_x(nr_bits), node_y(0));
    // 3 -> 3 from column 2 on, in pieces of 8 pixels.
    dashed_line(box, node_x(2), node_y(3), (nr_bits - 2) * col_w, 0, 5 * (nr_bits - 2));
    for (const Skeleton_kind& k : skeleton_kinds)
        for (int c = k.first; c <= k.last; ++c) segment(box, c, k.from, k.to, k.to % 2);
}
