#include "engine/interleaver.h"

#include <algorithm>

int Interleaver::setup(int len)
{
    switch (len) {
    case 48: rows = 8, cols = 6; break;
    case 144: rows = 16, cols = 9; break;
    case 576: rows = 32, cols = 18; break;
    default: break; // the chain never produces another length
    }
    in_len = len;
    out_len = len;
    n_tx = 1;
    n_rx = 1;
    names[0] = "interleaved signals ";
    names[1] = "deinerleaved signals";
    return len;
}

namespace {
// Only whole blocks of the matrix are reordered; a length the matrix does not cover
// (never produced by the chain) is copied through unchanged.
bool covers(int len, int rows, int cols) { return rows > 0 && cols > 0 && len == rows * cols; }
} // namespace

int Interleaver::source_of(int j) const { return (j % cols) * rows + j / cols; }

void Interleaver::xmit(Chain_signal& s)
{
    float* out = buf[0].data();
    if (!covers(in_len, rows, cols)) {
        std::copy_n(s.i, in_len, out);
    } else {
        for (int j = 0; j < out_len; ++j) out[j] = s.i[source_of(j)];
    }
    s.i = out;
}

void Interleaver::rcve(Chain_signal& s)
{
    float* out = buf[1].data();
    if (!covers(in_len, rows, cols)) {
        std::copy_n(s.i, in_len, out);
    } else {
        for (int j = 0; j < out_len; ++j) out[source_of(j)] = s.i[j];
    }
    s.i = out;
}
