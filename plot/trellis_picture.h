#pragma once
// The decoder view of the encoder / Viterbi visualizer: the trellis of the rate 1/2, K=3
// code over the first 24 received bits, the survivor paths into the four states after a
// chosen bit, and the data table with the sent and decoded bits, the two received soft
// values of every bit and the accumulated squared deviations of the states.

#include "plot/canvas.h"

#include <array>
#include <string>

class Conv_code;
class Elements;

// A line from (x, y) toward (x + dx, y + dy) in n pieces (at least 1), each advancing by
// dx / n and dy / n (truncated), drawn and skipped in turn, the first one drawn; so it
// may end a few pixels short of its target.
void dashed_line(Canvas& c, int x, int y, int dx, int dy, int n);

// Colour of the transition leaving state `from` (2 x older + newer bit) on input bit b:
// that of its output pair, 00 blue, 11 red, 10 fuchsia, 01 lime.
Rgb transition_colour(int from, int b);

class Trellis_picture {
public:
    static constexpr int nr_bits = 24; // bits shown, whatever data_bytes is
    static constexpr int margin_x = 5;
    static constexpr int margin_y = 5;
    static constexpr int col_w = 40;
    static constexpr int row_h = 25;
    static constexpr int node_r = 4;
    static constexpr int rows = 8;
    static constexpr std::array<const char*, rows> row_labels{"org",   "dec",   "in0",   "in1",
                                                              "dsq 0", "dsq 1", "dsq 2", "dsq 3"};
    enum Row { org, dec, in0, in1, dsq0 };

    std::array<int, rows> row_y{};
    // The 48 received soft values, two per bit, that the view decodes.
    std::array<float, 2 * nr_bits> received{};
    int step = 0;
    // What the data table shows: cells[row][bit], empty where nothing is written yet.
    std::array<std::array<std::string, nr_bits>, rows> cells{};

    // Whether the chain holds a run of at least two logical stages, set up as it ran, so
    // that the source bits, the deinterleaved values and the decoder's paths exist.
    static bool run_available();

    // The clicks after which the view shows what it shows after `clicks`: each click draws
    // both trellises afresh and writes the cells of its bit, so once the clicks have gone
    // round all nr_bits bits, every further round draws and writes the same again. Counts
    // of three rounds and more come down to two rounds and the rest (two, not one, so that
    // the counts one round apart below that are both drawn in full and can be compared).
    static int clicks_to_draw(int clicks)
    {
        constexpr int kept = 2 * nr_bits;
        return clicks < kept + nr_bits ? clicks : kept + (clicks - kept) % nr_bits;
    }

    // Loads the received values, draws the fixed part of the table, restarts at bit 0.
    void data_paint(Canvas& data, const Elements& source, const Elements& deinterleaver);
    // One click: the decoding after bit `step` into upper, after the next bit into lower.
    void proceed(Conv_code& code, Canvas& upper, Canvas& lower, Canvas& data);
    // Grid, decoding after bit s, metrics into the table, survivor paths.
    void draw_trellis(Conv_code& code, Canvas& box, Canvas& data, int s);
    // The eight kinds of transition in black over the columns where paths may use them.
    static void draw_skeleton(Canvas& box);

    // Centre of the node of state r in column c.
    static int node_x(int c) { return margin_x + c * col_w + node_r; }
    static int node_y(int r) { return margin_y + r * row_h + node_r; }

private:
    void write_cell(Canvas& data, int row, int bit, int x, const std::string& text);
    void draw_paths(Conv_code& code, Canvas& box, Canvas& data, int s);
};
