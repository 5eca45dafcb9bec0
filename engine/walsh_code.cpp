#include "engine/walsh_code.h"

#include <cmath>

namespace {
size_t idx(int i) { return static_cast<size_t>(i); }
} // namespace

Walsh_code::Walsh_code(int order_) : size(1 << order_), order(order_)
{
    for (auto& c : corr) c.assign(idx(size), 0.0f);
    wf.assign(idx(size), std::vector<unsigned char>(idx(size), 0));
    probe.assign(idx(size), 0.0f);
    probe_corr.assign(idx(size), 0.0f);
}

int Walsh_code::setup(int bits)
{
    make_walsh();
    in_len = bits;
    out_len = (bits / order) * size;
    n_tx = 1;
    n_rx = 1;
    names[0] = "Walsh encoded signals";
    names[1] = "Walsh decoded signals";
    return out_len;
}

// Doubling construction in place: the m x m block at the top left is parked in the
// bottom right corner, then copied into the four quadrants of the 2m x 2m block, the
// last quadrant complemented. In the final pass the parking place is that quadrant.
void Walsh_code::make_walsh()
{
    const int n = size;
    wf[0][0] = 1;
    for (int v = 0; v < order; ++v) {
        const int m = 1 << v;
        for (int r = 0; r < m; ++r)
            for (int c = 0; c < m; ++c) wf[idx(n - m + r)][idx(n - m + c)] = wf[idx(r)][idx(c)];
        for (int q = 0; q < 4; ++q) {
            const int r0 = (q / 2) * m;
            const int c0 = (q % 2) * m;
            for (int r = 0; r < m; ++r)
                for (int c = 0; c < m; ++c) {
                    const unsigned char cell = wf[idx(n - m + r)][idx(n - m + c)];
                    wf[idx(r0 + r)][idx(c0 + c)] = q == 3 ? (cell == 1 ? 0 : 1) : cell;
                }
        }
    }
}

void Walsh_code::correlate(const float* x, float* out) const
{
    const float scale = 1.0f / static_cast<float>(size);
    for (int r = 0; r < size; ++r) {
        const std::vector<unsigned char>& row = wf[idx(r)];
        float sum = 0.0f;
        for (int c = 0; c < size; ++c)
            sum += (2.0f * x[c] - 1.0f) * (2.0f * static_cast<float>(row[idx(c)]) - 1.0f);
        out[r] = scale * sum;
    }
}

void Walsh_code::xmit(Chain_signal& s)
{
    float* out = buf[0].data();
    int bit = order - 1;
    int index = 0;
    int p = 0;
    for (int i = 0; i < in_len; ++i) {
        if (s.i[i] > 0.0f) index += 1 << bit; // first bit of a group is the MSB
        if (--bit < 0) {
            for (int c = 0; c < size && p + c < out_len; ++c)
                out[p + c] = static_cast<float>(wf[idx(index)][idx(c)]);
            p += size;
            bit = order - 1;
            index = 0;
        }
    }
    s.i = out;
    s.q = out;
}

void Walsh_code::rcve(Chain_signal& s)
{
    float* out = buf[1].data();
    int o = 0;
    for (int p = 0; p <= out_len - size; p += size) {
        correlate(s.i + p, corr[0].data());
        correlate(s.q + p, corr[1].data());
        int best = 0;
        float e_max = 0.0f;
        for (int r = 0; r < size; ++r) {
            const float e = corr[0][idx(r)] * corr[0][idx(r)] + corr[1][idx(r)] * corr[1][idx(r)];
            if (e > e_max) { // ties keep the lower index
                e_max = e;
                best = r;
            }
        }
        const auto a = static_cast<float>(0.5 * std::sqrt(0.5 * static_cast<double>(e_max)));
        for (int bit = order - 1; bit >= 0 && o < in_len; --bit, ++o)
            out[o] = (best >> bit) & 1 ? 0.5f + a : 0.5f - a;
    }
    s.i = out;
}
