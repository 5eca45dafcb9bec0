#include "engine/engine_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <vector>

using testing::ElementsAreArray;
using testing::FloatNear;
using testing::Pointwise;

namespace {
constexpr unsigned n = 64;

// The first `count` chips of function r.
std::vector<float> row(unsigned r, unsigned count = n)
{
    return {walsh_code.wf[r].begin(), walsh_code.wf[r].begin() + count};
}

std::vector<float> send(std::vector<float> bits)
{
    walsh_code.setup(static_cast<int>(bits.size()));
    walsh_code.alloc_buffers();
    Chain_signal s{bits.data(), nullptr};
    walsh_code.xmit(s);
    EXPECT_EQ(s.i, s.q);
    return {s.i, s.i + walsh_code.out_len};
}

std::vector<float> receive(std::vector<float> i, std::vector<float> q)
{
    Chain_signal s{i.data(), q.data()};
    walsh_code.rcve(s);
    return {s.i, s.i + walsh_code.in_len};
}
} // namespace

TEST(Walsh_code, FunctionsAreSylvesterRows)
{
    EXPECT_EQ(walsh_code.setup(48), 512);
    EXPECT_THAT(row(1, 4), ElementsAreArray({1, 0, 1, 0}));
    EXPECT_THAT(row(2, 4), ElementsAreArray({1, 1, 0, 0}));
    EXPECT_THAT(row(63, 8), ElementsAreArray({1, 0, 0, 1, 0, 1, 1, 0}));
    for (unsigned r = 0; r < n; ++r) // +1 where r and c share an even number of bits
        for (unsigned c = 0; c < n; ++c)
            ASSERT_EQ(walsh_code.wf[r][c], std::popcount(r & c) % 2 == 0) << r << ", " << c;
}

TEST(Walsh_code, CorrelationPeaksOnlyAtOwnRow)
{
    walsh_code.setup(48);
    constexpr float tolerance = 1e-6f; // sums of +/-1 are exact; only the 1/64 scaling rounds
    std::vector<float> out(n);
    for (unsigned k = 0; k < n; ++k) {
        const std::vector<float> x = row(k);
        walsh_code.correlate(x.data(), out.data());
        std::vector<float> want(n, 0.0f);
        want[k] = 1.0f;
        EXPECT_THAT(out, Pointwise(FloatNear(tolerance), want)) << "row " << k;
    }
}

TEST(Walsh_code, FirstBitOfGroupIsMostSignificant)
{
    EXPECT_EQ(walsh_code.setup(576), 6144);
    EXPECT_THAT(send({0, 0, 0, 0, 0, 1}), ElementsAreArray(row(1)));
    EXPECT_THAT(send({1, 0, 0, 0, 0, 0}), ElementsAreArray(row(32)));
}

TEST(Walsh_code, EqualBranchesDecodeToExactBits)
{
    const std::vector<float> bits{0, 1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1,
                                  0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1};
    const std::vector<float> chips = send(bits);
    EXPECT_THAT(receive(chips, chips), ElementsAreArray(bits));
}

TEST(Walsh_code, SingleBranchGivesHalfStrengthSoftBits)
{
    const std::vector<float> chips = send({1, 0, 1, 1, 0, 0});
    constexpr float quoted = 5e-5f; // 0.5 +/- 0.5 sqrt(0.5), quoted to four decimals
    const std::vector<float> want{0.8536f, 0.1464f, 0.8536f, 0.8536f, 0.1464f, 0.1464f};
    EXPECT_THAT(receive(chips, std::vector<float>(n, 0.5f)), Pointwise(FloatNear(quoted), want));
}
