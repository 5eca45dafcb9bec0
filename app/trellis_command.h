#pragma once
// cdma_sim trellis: the decoder view of the encoder / Viterbi visualizer, headless.

#include <iosfwd>
#include <string>

struct Trellis_request {
    int steps = -1; // clicks of the proceed button; -1: not given
    std::string png_path;
};

constexpr int max_trellis_steps = 100000;

// After setup and a run of at least two stages: performs the clicks, prints the data
// table one row a line (its label, then the values written, left to right) and writes
// the picture when asked to. Returns the exit status.
int trellis_command(const Trellis_request& r, std::ostream& out, std::ostream& err);
