#include "engine/engine_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using testing::ElementsAreArray;

namespace {
std::vector<float> bits_of(const std::string& s)
{
    std::vector<float> v;
    for (char c : s) v.push_back(c == '1' ? 1.0f : 0.0f);
    return v;
}

// "seq" with the encoder tail in its last two bits
const std::vector<float> seq = bits_of("011100110110010101110000");

std::vector<float> encode(std::vector<float> in)
{
    conv_code.setup(static_cast<int>(in.size()));
    conv_code.alloc_buffers();
    Chain_signal s{in.data(), nullptr};
    conv_code.xmit(s);
    return {s.i, s.i + conv_code.out_len};
}

std::vector<float> decode(std::vector<float> r)
{
    Chain_signal s{r.data(), nullptr};
    conv_code.rcve(s);
    return {s.i, s.i + conv_code.in_len};
}

// The trellis by brute force: for every input of k + 1 bits, the squared distance of its
// code pairs (generators 7 and 5) from the received pairs; the least one into each state
// (2 * older + newer bit) and its bits. A state no input reaches keeps metric -7.
struct Best_paths {
    std::array<double, 4> metric{-7, -7, -7, -7};
    std::array<std::vector<int>, 4> bits;
};
Best_paths best_paths(const std::vector<float>& r, int k)
{
    Best_paths best;
    const auto sq = [&r](int at, int bit) {
        const double x = static_cast<double>(r[static_cast<size_t>(at)]) - bit;
        return x * x;
    };
    for (unsigned input = 0; input < (2u << k); ++input) {
        int newer = 0, older = 0;
        double d = 0.0;
        std::vector<int> bits;
        for (int j = 0; j <= k; ++j) {
            const int b = (input >> j) & 1;
            d += sq(2 * j, b ^ newer ^ older) + sq(2 * j + 1, b ^ older);
            bits.push_back(b);
            older = newer;
            newer = b;
        }
        const auto s = static_cast<size_t>(2 * older + newer);
        if (best.bits[s].empty() || d < best.metric[s]) {
            best.metric[s] = d;
            best.bits[s] = bits;
        }
    }
    return best;
}
} // namespace

TEST(Conv_code, EncodesReferenceBits)
{
    // impulse response of generators 7 and 5 (octal): 11, 10, 11
    EXPECT_THAT(encode({1, 0, 0}), ElementsAreArray({1, 1, 1, 0, 1, 1}));
}

TEST(Conv_code, ViterbiCorrectsAnySingleWrongSoftBit)
{
    const std::vector<float> code = encode(seq);
    for (size_t k = 0; k <= code.size(); ++k) { // k = size: the clean block
        std::vector<float> r = code;
        if (k < r.size()) r[k] = r[k] > 0.5f ? 0.1f : 0.9f;
        EXPECT_THAT(decode(r), ElementsAreArray(seq)) << "soft bit " << k;
    }
}

// The decoder ends with one more step into state 0 on the last pair, so a block whose
// next-to-last bit is 1 comes back whole, though every path into state 0 ends in 00. Soft
// bits off by up to 0.3 keep the sent path the cheapest.
TEST(Conv_code, TerminationKeepsANextToLastOne)
{
    const std::vector<float> data = bits_of("011100110110010101110010");
    std::vector<float> r = encode(data);
    for (size_t k = 0; k < r.size(); ++k)
        r[k] += (r[k] > 0.5f ? -0.1f : 0.1f) * static_cast<float>(k % 4);
    EXPECT_THAT(decode(r), ElementsAreArray(data));
}

// The decoder table shown after step k holds each state's best metric and path so far.
TEST(Conv_code, DecodeStepsStopsAfterTheGivenStep)
{
    std::vector<float> r{0.91f, 0.17f, 0.64f, 0.33f, 0.12f, 0.71f, 0.83f, 0.46f, 0.29f, 0.08f};
    constexpr double tolerance = 1e-5; // float sums of at most eight squares below 1
    // (values chosen so that no two paths into a state tie)
    for (int k = 0; k <= 3; ++k) {
        SCOPED_TRACE("step " + std::to_string(k));
        conv_code.setup(5);
        conv_code.metric = {-7, -7, -7, -7};
        for (auto& p : conv_code.path) p.assign(p.size(), 5);
        Chain_signal s{r.data(), nullptr};
        conv_code.decode_steps(s, k);
        const Best_paths want = best_paths(r, k);
        for (size_t state = 0; state < 4; ++state) {
            EXPECT_NEAR(conv_code.metric[state], want.metric[state], tolerance) << state;
            if (want.bits[state].empty()) continue;
            const std::vector<int>& path = conv_code.path[state];
            EXPECT_THAT(std::vector<int>(path.begin(), path.begin() + k + 1),
                        ElementsAreArray(want.bits[state]))
                << state;
        }
    }
}
