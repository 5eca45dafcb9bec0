#pragma once
// Stage 1: rate 1/2, constraint length 3 convolutional encoder (generators 7 and 5 octal)
// and a soft-decision Viterbi decoder with squared-distance metrics.

#include "engine/elements.h"

#include <array>
#include <vector>

class Conv_code : public virtual Elements {
public:
    int n_out = 0;
    int k_len = 0;
    std::array<std::vector<int>, 4> new_path;
    std::array<float, 2> cand{};
    std::array<float, 4> bm{};
    std::array<std::vector<int>, 4> path;
    std::array<float, 4> metric{};

    // returns 2 * bits
    int setup(int bits) override;
    // Register starts at 0 on every call.
    void xmit(Chain_signal& s) override;
    // Decodes out_len soft values (0.5 = undecided) into in_len bits.
    void rcve(Chain_signal& s) override;

    // The decoder stopped after trellis step `steps`, leaving metric and path for display.
    void decode_steps(Chain_signal& s, int steps);
    // Branch metric terms of received pair k: r0^2, r1^2, (1-r1)^2, (1-r0)^2.
    void branch_metrics(int k, const float* r);
    // Add-compare-select into state s at step k; returns the survivor's metric.
    float acs(int state, int k);

private:
    void first_two_steps(const float* r);
    void trellis_step(int k);
};
