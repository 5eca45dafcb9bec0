#include "plot/encoder_picture.h"

#include "engine/conv_code.h"

#include <utility>

namespace {

constexpr int text_px = 13;

// A wire through the points, in the colour of its bit.
void wire(Canvas& c, int bit, std::initializer_list<std::pair<int, int>> points)
{
    c.set_pen(colour::of_bit(bit != 0), 2);
    bool first = true;
    for (const auto& [x, y] : points) {
        if (first)
            c.move_to(x, y);
        else
            c.line_to(x, y);
        first = false;
    }
}

void junction(Canvas& c, int bit, int x, int y)
{
    c.set_pen(colour::of_bit(bit != 0), 1);
    c.set_brush(colour::of_bit(bit != 0));
    c.ellipse(x - 5, y - 5, x + 5, y + 5);
    c.set_brush(colour::white);
}

// A labelled box: a register cell or an adder, outlined in the colour of its bit.
// value_dy: the value's row below the top of the box.
void cell(Canvas& c, const char* label, int bit, int x1, int y1, int x2, int y2, int value_dy)
{
    c.text_out(x1, y1 - 20, label);
    c.set_pen(colour::of_bit(bit != 0), 2);
    c.set_brush(colour::white);
    c.rectangle(x1, y1, x2, y2);
    c.text_out(x1 + 5, y1 + value_dy, std::to_string(bit));
}

constexpr int cell_value_dy = 10;
constexpr int adder_value_dy = 20;

} // namespace

void Encoder_picture::restart()
{
    step = 0;
    phase = 0;
}

std::string Encoder_picture::proceed_caption() const
{
    switch (phase % 3) {
    case 0:
        return "click to view the encoder state after loading a bit in the first of two "
               "clock cycles ";
    case 1: return "click to shows the two output bits of the decoder after the first clock cycle";
    default:
        return "click to view the encoder state after the 2nd clock cycle where all bits are "
               "shifted and the result is clocked out";
    }
}

void Encoder_picture::proceed(Canvas& c)
{
    step %= nr_bits + 1;
    encoder_step(c, step);
}

void Encoder_picture::paint(Canvas& c)
{
    c.set_pen(colour::black, 1);
    c.set_brush(colour::white);
    c.rectangle(0, 0, c.width(), c.height());
    encoder_step(c, 0);
}

std::string Encoder_picture::bit_line(int s) const
{
    std::string line;
    for (int i = nr_bits - 1; i >= 0; --i) {
        if (i < s) {
            line += "  ";
        } else if (i == s) {
            const std::string digit = std::to_string(data_bit(i));
            if (phase == 1) line += "   >-loaded-> " + digit;
            if (phase == 0) line += digit;
            if (phase == 2) line += std::string(28, ' ');
        } else {
            line += std::to_string(data_bit(i));
        }
    }
    return line;
}

void Encoder_picture::encoder_step(Canvas& c, int s)
{
    const int h = c.height();
    phase %= 3;
    c.set_pen(colour::black, 1);
    c.set_brush(colour::white);
    c.set_font(text_px, colour::black);
    c.text_out(10, 5, bit_line(s));
    if (phase == 1) {
        reg0 = data_bit(s);
        out1 = code_bit(0, reg0, reg1, reg2);
        out2 = code_bit(1, reg0, reg1, reg2);
    }
    if (s == 0 && phase == 0) {
        reg0 = reg1 = reg2 = 0;
        c.text_out(10, h - 20, std::string(144, ' '));
        out_line.clear();
    }
    if (phase == 0) {
        reg2 = reg1;
        reg1 = reg0;
        c.text_out(10, h - 30, std::string(20, ' '));
    }
    const std::string pair = std::to_string(out1) + std::to_string(out2);
    if (phase == 2) c.text_out(50, h - 30, pair);
    c.text_out(2 * char_w + 50, h - 20, out_line);
    if (phase == 2) {
        out_line = pair + out_line;
        c.text_out(10, h - 30, "yields:");
    }
    draw_register(c);
    if (++phase == 3) {
        phase = 0;
        ++step;
    }
}

void Encoder_picture::draw_register(Canvas& c) const
{
    c.set_font(text_px, colour::black);
    const int mid = c.width() / 2;
    const int line_end = 90 + (nr_bits + 1 - step) * char_w;
    wire(c, reg0, {{line_end, 10}, {mid, 10}, {mid, 40}, {10, 40}, {10, 165}, {150, 165}});
    wire(c, reg0, {{50, 165}, {50, 105}, {200, 105}});
    wire(c, reg0, {{50, 165}, {50, 225}, {450, 225}});
    junction(c, reg0, 50, 165);
    cell(c, "shift", reg0, 150, 150, 170, 180, cell_value_dy);

    wire(c, reg1, {{170, 165}, {180, 165}, {180, 115}, {200, 115}});
    wire(c, reg1, {{180, 165}, {400, 165}});
    junction(c, reg1, 180, 165);
    cell(c, "shift", reg1, 400, 150, 420, 180, cell_value_dy);

    const int sum01 = (reg0 + reg1) % 2;
    cell(c, "XOR", sum01, 200, 90, 220, 130, adder_value_dy);
    wire(c, sum01, {{220, 105}, {450, 105}});

    wire(c, reg2, {{420, 165}, {430, 165}, {430, 115}, {450, 115}});
    wire(c, reg2, {{430, 165}, {430, 215}, {450, 215}});
    junction(c, reg2, 430, 165);

    cell(c, "XOR", out1, 450, 90, 470, 130, adder_value_dy);
    wire(c, out1, {{470, 105}, {520, 105}, {520, 250}, {54, 250}, {54, 260}});
    cell(c, "XOR", out2, 450, 200, 470, 240, adder_value_dy);
    wire(c, out2, {{470, 225}, {500, 225}, {500, 255}, {62, 255}, {62, 260}});
}
