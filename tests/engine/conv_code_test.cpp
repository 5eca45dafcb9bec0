#include "engine/engine_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
} // namespace

TEST(Conv_code, EncodesReferenceBits)
{
    // impulse response of generators 7 and 5 (octal): 11, 10, 11
    EXPECT_THAT(encode({1, 0, 0}), ElementsAreArray({1, 1, 1, 0, 1, 1}));
    EXPECT_THAT(encode(seq),
                ElementsAreArray(bits_of("001101100111110101000101111110001000011001110000")));
}

TEST(Conv_code, ViterbiCorrectsAnySingleWrongSoftBit)
{
    const std::vector<float> code = encode(seq);
    for (size_t k = 0; k <= code.size(); ++k) { // k = size: the clean block
        std::vector<float> r = code;
        if (k < r.size()) r[k] = r[k] > 0.5f ? 0.1f : 0.9f;
        Chain_signal s{r.data(), nullptr};
        conv_code.rcve(s);
        EXPECT_THAT(std::vector<float>(s.i, s.i + 24), ElementsAreArray(seq)) << "soft bit " << k;
    }
}

TEST(Conv_code, AcsTieSelectsSecondPredecessor)
{
    conv_code.setup(4);
    conv_code.metric = {0, 0, 0, 0};
    conv_code.bm = {0.25f, 0.25f, 0.25f, 0.25f}; // an undecided pair weighs all branches alike
    conv_code.path[0] = {0, 0, 0, 0};
    conv_code.path[2] = {1, 1, 0, 0}; // state 0 is reached from 0 and 2
    EXPECT_FLOAT_EQ(conv_code.acs(0, 2), 0.5f);
    EXPECT_THAT(conv_code.new_path[0], ElementsAreArray({1, 1, 0, 0}));
}

TEST(Conv_code, DecodeStepsZeroSetsOnlyFirstTwoStates)
{
    std::vector<float> code = encode(seq);
    code[0] = 0.2f; // first pair (0.2, 0): 0.04 from 00, 0.64 + 1 from 11
    conv_code.metric = {-7, -7, -7, -7};
    for (auto& p : conv_code.path) p.assign(p.size(), 5);
    Chain_signal s{code.data(), nullptr};
    conv_code.decode_steps(s, 0);
    EXPECT_THAT(conv_code.metric,
                testing::Pointwise(testing::FloatEq(), {0.04f, 1.64f, -7.0f, -7.0f}));
    EXPECT_THAT((std::vector{conv_code.path[0][0], conv_code.path[1][0], conv_code.path[2][0],
                             conv_code.path[0][1]}),
                ElementsAreArray({0, 1, 5, 5}));
}
