#pragma once
// Stage 3: orthogonal modulation with Walsh functions. Each group of `order` bits
// (MSB first) selects one of 2^order functions; the receiver correlates every block
// with all functions on both branches and turns the strongest into soft bits.

#include "engine/elements.h"

#include <array>
#include <vector>

class Walsh_code : public virtual Elements {
public:
    std::array<std::vector<float>, 2> corr; // correlations of the current block, I and Q
    int size = 0;                           // N = 2^order
    int order = 0;
    std::vector<std::vector<unsigned char>> wf; // wf[r][c]: 1 stands for +1, 0 for -1
    std::vector<float> probe;                   // one function as 0/1, for the explorer
    std::vector<float> probe_corr;

    explicit Walsh_code(int order);

    // Builds the functions; returns (bits / order) * N.
    int setup(int bits) override;
    // Same chips to both branches.
    void xmit(Chain_signal& s) override;
    // Hadamard transform and soft decision; soft bits are 0.5 +/- half the match strength.
    void rcve(Chain_signal& s) override;

    // Sylvester order: wf[r][c] = 1 when popcount(r & c) is even.
    void make_walsh();
    // out[r] = (1/N) sum_c (2 x[c] - 1)(2 wf[r][c] - 1): 1 for a perfect match, 0 orthogonal.
    void correlate(const float* x, float* out) const;
};
