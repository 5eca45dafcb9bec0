#include "plot/plot_gen.h"

#include "plot/fixed_text.h"

#include <algorithm>

namespace {

int trunc_of(double v) { return static_cast<int>(v); }

constexpr int pen_width = 2;
constexpr int label_margin = 2; // between the label and the box's right edge

} // namespace

void Plot_gen::init(std::vector<Canvas*> generator_boxes, int n, std::uint64_t tap_mask)
{
    boxes = std::move(generator_boxes);
    nbits = n;
    taps = tap_mask;
    w = boxes.front()->width();
    h = boxes.front()->height();
    y_top = trunc_of(0.1 * h);
    y_tap = trunc_of(0.6 * h);
    y_line = trunc_of(0.7 * h);
    y_box_top = trunc_of(0.2 * h);
    y_box_bottom = trunc_of(0.9 * h);
    y_xor_top = trunc_of(0.5 * h);
    y_xor_bottom = trunc_of(0.8 * h);
    y_digit = (y_box_top + y_box_bottom) / 2;
    y_fill_bottom = y_xor_bottom;
    pitch = nbits > 0 ? trunc_of(w / (nbits * 1.5)) : 0;
    half_pitch = pitch / 2;
    gap_right = trunc_of(0.2 * pitch);
    gap_left = trunc_of(0.2 * pitch);
    box_w = pitch - gap_left - gap_right;
}

void Plot_gen::line(Rgb c, int x1, int y1, int x2, int y2)
{
    canvas->set_pen(c, pen_width);
    canvas->move_to(x1, y1);
    canvas->line_to(x2, y2);
}

void Plot_gen::draw(int which, double step, std::uint64_t r)
{
    x = half_pitch;
    canvas = boxes.at(static_cast<size_t>(which));
    reg = r;
    out_bit = (reg & 1u) != 0;
    const Rgb out_c = colour::of_bit(out_bit);
    // Input stub: the fed-back bit comes down into the first cell.
    canvas->set_pen(out_c, pen_width);
    canvas->move_to(pitch, y_top);
    canvas->line_to(x, y_top);
    canvas->line_to(x, y_line);
    canvas->line_to(pitch, y_line);
    x = pitch;
    in_bit = out_bit;
    for (int i = nbits - 1; i >= 0; --i) {
        cell_bit = ((reg >> i) & 1u) != 0;
        if (((taps >> i) & 1u) != 0 && i < nbits - 1) draw_xor();
        draw_cell();
        in_bit = cell_bit;
    }
    // Output, and the feedback line back to the left.
    line(out_c, x, y_line, x + pitch, y_line);
    canvas->set_pen(out_c, pen_width);
    canvas->move_to(x + half_pitch, y_line);
    canvas->line_to(x + half_pitch, y_top);
    canvas->line_to(x, y_top);
    // The label right of the feedback line, where it covers no cell; at the right edge
    // when the register fills the box.
    canvas->set_brush(colour::white);
    canvas->set_font(13, colour::black);
    const std::string label = fixed_text(step, 15, 0) + ". state";
    const int label_x =
        std::min(x + pitch + half_pitch, w - label_margin - canvas->text_width(label));
    canvas->text_out(std::max(0, label_x), h - 20, label);
}

void Plot_gen::draw_xor()
{
    const Rgb out_c = colour::of_bit(out_bit);
    line(out_c, x, y_top, x + pitch - gap_right, y_top);
    canvas->move_to(x, y_top);
    canvas->line_to(x, y_tap);
    canvas->line_to(x + gap_left, y_tap);
    canvas->set_font(12, colour::black);
    canvas->set_brush(colour::white);
    canvas->text_out(x + gap_left, y_top + 15, "^");
    line(colour::of_bit(in_bit), x, y_line, x + gap_left, y_line);
    x += gap_left;
    const int xor_w = trunc_of(0.6 * box_w);
    canvas->set_pen(colour::black, pen_width);
    canvas->rectangle(x, y_xor_top, x + xor_w, y_xor_bottom);
    const bool b = out_bit != in_bit;
    canvas->set_brush(colour::of_bit(b));
    canvas->fill_rect(x + 1, y_xor_top + 1, x + xor_w - 1, y_fill_bottom);
    x += xor_w;
    in_bit = b;
}

void Plot_gen::draw_cell()
{
    line(colour::of_bit(out_bit), x, y_top, x + pitch, y_top);
    line(colour::of_bit(in_bit), x, y_line, x + gap_left, y_line);
    x += gap_left;
    canvas->set_brush(colour::white);
    canvas->set_pen(colour::black, pen_width);
    canvas->rectangle(x, y_box_top, x + box_w, y_box_bottom);
    const Rgb cell_c = colour::of_bit(cell_bit);
    canvas->set_font(8, cell_c);
    canvas->text_out(x + 1, y_digit, cell_bit ? "1" : "0");
    canvas->set_brush(cell_c);
    canvas->fill_rect(x + 1, y_box_top + 1, x + box_w - 1, y_digit);
    x += box_w;
    line(cell_c, x, y_line, x + gap_right, y_line);
    x += gap_right;
}
