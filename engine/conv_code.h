#pragma once
// Stage 1: rate 1/2, constraint length 3 convolutional encoder (generators 7 and 5 octal)
// and a soft-decision Viterbi decoder with squared-distance metrics.

#include "engine/elements.h"

#include <array>
#include <vector>

// The generators, octal 7 and 5, of the two code bits: each taps the input bit (4), the
// newer register bit (2) and the older one (1). A state is 2 * older + newer.
constexpr std::array<int, 2> conv_generators{07, 05};

// The sum of the bits a generator taps, added in the order input, newer, older.
template <typename T> constexpr T tapped_sum(int generator, T input, T newer, T older)
{
    T sum{};
    if ((generator & 4) != 0) sum += input;
    if ((generator & 2) != 0) sum += newer;
    if ((generator & 1) != 0) sum += older;
    return sum;
}

// Code bit j (0 or 1) sent for input bit b from the register bits newer and older.
constexpr int code_bit(int j, int b, int newer, int older)
{
    return tapped_sum(conv_generators[static_cast<size_t>(j)], b, newer, older) % 2;
}

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
