#include "engine/conv_code.h"

#include <algorithm>

namespace {

// Predecessors of each state and the branch-metric terms added along each of the two
// branches (the squared distance of the received pair from the branch's code pair).
struct Acs_row {
    int p0, p1;
    int a0, b0; // terms for p0
    int a1, b1; // terms for p1
};

// The terms of the branch from state `from` on input bit b: the second code bit's term
// (1: sent 0, 2: sent 1), then the first's (0: sent 0, 3: sent 1).
constexpr std::array<int, 2> branch_terms(int from, int b)
{
    const int newer = from % 2;
    const int older = from / 2;
    return {code_bit(1, b, newer, older) == 0 ? 1 : 2, code_bit(0, b, newer, older) == 0 ? 0 : 3};
}

// State s is reached on input bit s % 2 from the states whose newer bit is s / 2.
constexpr std::array<Acs_row, 4> acs_table = [] {
    std::array<Acs_row, 4> rows{};
    for (int s = 0; s < 4; ++s) {
        const int p0 = s / 2;
        const int p1 = p0 + 2;
        const auto [a0, b0] = branch_terms(p0, s % 2);
        const auto [a1, b1] = branch_terms(p1, s % 2);
        rows[static_cast<size_t>(s)] = {p0, p1, a0, b0, a1, b1};
    }
    return rows;
}();

size_t idx(int i) { return static_cast<size_t>(i); }

} // namespace

int Conv_code::setup(int bits)
{
    n_out = 2;
    k_len = 3;
    in_len = bits;
    out_len = 2 * bits;
    n_tx = 1;
    n_rx = 1;
    names[0] = "conv. encoded signals";
    names[1] = "Viterbi decoded signals";
    for (int s = 0; s < 4; ++s) {
        path[idx(s)].assign(idx(std::max(bits, 2)), 0);
        new_path[idx(s)].assign(idx(std::max(bits, 2)), 0);
    }
    return out_len;
}

void Conv_code::xmit(Chain_signal& s)
{
    float* out = buf[0].data();
    float s1 = 0.0f, s2 = 0.0f;
    for (int k = 0; k < in_len; ++k) {
        const float u = s.i[k];
        for (size_t j = 0; j < 2; ++j)
            out[2 * k + static_cast<int>(j)] =
                static_cast<float>(static_cast<int>(tapped_sum(conv_generators[j], u, s1, s2)) % 2);
        s2 = s1;
        s1 = u;
    }
    s.i = out;
}

void Conv_code::branch_metrics(int k, const float* r)
{
    const float r0 = r[2 * k];
    const float r1 = r[2 * k + 1];
    bm[0] = r0 * r0;
    bm[1] = r1 * r1;
    bm[2] = (1.0f - r1) * (1.0f - r1);
    bm[3] = (1.0f - r0) * (1.0f - r0);
}

float Conv_code::acs(int state, int k)
{
    const Acs_row& row = acs_table[idx(state)];
    cand[0] = metric[idx(row.p0)] + bm[idx(row.a0)] + bm[idx(row.b0)];
    cand[1] = metric[idx(row.p1)] + bm[idx(row.a1)] + bm[idx(row.b1)];
    // On equal candidates the second predecessor wins.
    const bool first_wins = cand[1] > cand[0];
    const int winner = first_wins ? row.p0 : row.p1;
    std::vector<int>& to = new_path[idx(state)];
    std::copy_n(path[idx(winner)].begin(), k, to.begin());
    to[idx(k)] = state % 2;
    return first_wins ? cand[0] : cand[1];
}

void Conv_code::first_two_steps(const float* r)
{
    cand[0] = r[0] * r[0] + r[1] * r[1];
    cand[1] = (1.0f - r[0]) * (1.0f - r[0]) + (1.0f - r[1]) * (1.0f - r[1]);
    for (int s = 0; s < 4; ++s) {
        path[idx(s)][0] = s / 2;
        path[idx(s)][1] = s % 2;
    }
    branch_metrics(1, r);
    metric[0] = cand[0] + bm[0] + bm[1];
    metric[1] = cand[0] + bm[2] + bm[3];
    metric[2] = cand[1] + bm[1] + bm[3];
    metric[3] = cand[1] + bm[0] + bm[2];
}

void Conv_code::trellis_step(int k)
{
    std::array<float, 4> next{};
    for (int s = 0; s < 4; ++s) next[idx(s)] = acs(s, k);
    for (int s = 0; s < 4; ++s) {
        metric[idx(s)] = next[idx(s)];
        std::copy_n(new_path[idx(s)].begin(), k + 1, path[idx(s)].begin());
    }
}

void Conv_code::rcve(Chain_signal& s)
{
    const int n = in_len;
    const float* r = s.i;
    float* out = buf[1].data();
    if (n < 2) { // no trellis to run; only reachable with an empty block
        std::fill_n(out, n, 0.0f);
        s.i = out;
        return;
    }
    first_two_steps(r);
    for (int k = 2; k < n; ++k) {
        branch_metrics(k, r);
        trellis_step(k);
    }
    // Termination: the last pair once more, as one further step into state 0.
    branch_metrics(n - 1, r);
    acs(0, n - 1);
    for (int k = 0; k < n; ++k) out[k] = static_cast<float>(new_path[0][idx(k)]);
    s.i = out;
}

void Conv_code::decode_steps(Chain_signal& s, int steps)
{
    const int n = in_len;
    const float* r = s.i;
    if (n < 2) return;
    path[0][0] = 0;
    path[1][0] = 1;
    cand[0] = r[0] * r[0] + r[1] * r[1];
    cand[1] = (1.0f - r[0]) * (1.0f - r[0]) + (1.0f - r[1]) * (1.0f - r[1]);
    metric[0] = cand[0];
    metric[1] = cand[1];
    if (steps == 0) return;
    first_two_steps(r);
    if (steps == 1) return;
    for (int k = 2; k < n; ++k) {
        branch_metrics(k, r);
        trellis_step(k);
        if (steps == k) return;
    }
    branch_metrics(n - 1, r);
    metric[0] = acs(0, n - 1);
    path[0][idx(n - 1)] = new_path[0][idx(n - 1)];
}
