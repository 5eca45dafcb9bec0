#pragma once
// The encoder view of the encoder / Viterbi visualizer: the rate 1/2, K=3 shift-register
// encoder clocked through the sent bits one phase a click, with the bits still to come,
// coloured wires and cells, and the output line growing at its front. It keeps its own
// register for display; the chain's encoder is Conv_code.

#include "plot/canvas.h"

#include <functional>
#include <string>

class Encoder_picture {
public:
    static constexpr int nr_bits = 24; // bits shown, whatever data_bytes is
    static constexpr int char_w = 10;  // of the bit line, pixels

    std::string out_line; // output bits so far, the newest pair first
    int step = 0;         // bit index, 0 to nr_bits
    int phase = 0;        // 0 shift, 1 load, 2 show the outputs
    int reg0 = 0;         // the bit loaded last
    int reg1 = 0;
    int reg2 = 0;
    int out1 = 0;
    int out2 = 0;

    // Sent bit i of the data source, 0 or 1; 0 past the end of the block, as the tail
    // bits are (the last step loads bit nr_bits, which a 3-byte block does not have).
    std::function<int(int i)> data_bit;

    // Back to the first bit, before its load.
    void restart();
    // The caption of the proceed button for the present phase: what the next click shows.
    std::string proceed_caption() const;
    // The view's click: the next phase of the current bit.
    void proceed(Canvas& c);
    // Clears the box and runs the step of bit 0 in the present phase (the view's opening).
    void paint(Canvas& c);
    // One phase of bit s: the bit line, the register, the outputs and the output line.
    void encoder_step(Canvas& c, int s);
    // The register, adders and wires, each in the colour of the bit it carries.
    void draw_register(Canvas& c) const;

private:
    std::string bit_line(int s) const;
};
