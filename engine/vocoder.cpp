#include "engine/vocoder.h"

#include <algorithm>

namespace {
constexpr int tail_bits = 2;
}

int Vocoder::setup(int bytes)
{
    if (bytes != 3 && bytes != 9 && bytes != 36) bytes = 3;
    in_len = bytes;
    out_len = 8 * bytes;
    n_tx = 1;
    n_rx = 1;
    names[0] = "vocoder data ";
    names[1] = "data bytes";
    return out_len;
}

void Vocoder::xmit(Chain_signal& s)
{
    std::vector<float>& out = buf[0];
    std::fill(out.begin(), out.end(), 0.0f);
    int p = 0;
    for (int j = 0; j < in_len; ++j) {
        const auto byte = static_cast<unsigned char>(test_text[static_cast<size_t>(j)]);
        for (int b = 7; b >= 0 && p < out_len - tail_bits; --b, ++p)
            if (byte & (1u << b)) out[static_cast<size_t>(p)] = 1.0f;
    }
    s.i = out.data();
}

void Vocoder::rcve(Chain_signal& s)
{
    std::vector<float>& out = buf[1];
    int p = 0;
    for (int j = 0; j < in_len; ++j) {
        float byte = 0.0f;
        for (int b = 7; b >= 0; --b, ++p)
            if (s.i[p] == 1.0f) byte += static_cast<float>(1 << b);
        out[static_cast<size_t>(j)] = byte;
    }
    s.i = out.data();
}
