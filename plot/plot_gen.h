#pragma once
// The picture of a PN generator: a row of shift-register cells with their bits, the XOR
// taps in front of the cells and the feedback line on top, each line, digit and fill red
// when it carries a 1 and blue when it carries a 0.

#include "plot/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

class Plot_gen {
public:
    int nbits = 0;
    int w = 0;
    int h = 0;
    int y_top = 0;        // feedback line
    int y_tap = 0;        // where a tap line enters an XOR box
    int y_line = 0;       // data path between the cells
    int y_box_top = 0;    // of a cell
    int y_box_bottom = 0; // of a cell
    int y_xor_top = 0;
    int y_xor_bottom = 0;
    int pitch = 0; // horizontal room per cell
    int x = 0;     // drawing cursor
    int gap_left = 0;
    int box_w = 0;
    int gap_right = 0;
    int half_pitch = 0;
    int y_digit = 0;
    int y_fill_bottom = 0;
    std::uint64_t reg = 0;  // bit i = cell i
    std::uint64_t taps = 0; // bit i set: an XOR in front of cell i
    bool out_bit = false;   // bit 0 of reg, fed back
    bool in_bit = false;    // arriving at the next element from the left
    bool cell_bit = false;
    Canvas* canvas = nullptr;
    std::vector<Canvas*> boxes; // one per generator
    std::string text;

    // Takes the geometry from boxes[0] (all boxes have its size).
    void init(std::vector<Canvas*> generator_boxes, int n, std::uint64_t tap_mask);
    // Draws register contents r into boxes[which], labelled "<step>. state".
    void draw(int which, double step, std::uint64_t r);

private:
    void line(Rgb c, int x1, int y1, int x2, int y2);
    void draw_xor();
    void draw_cell();
};
