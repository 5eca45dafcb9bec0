#include "engine/engine_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using testing::ElementsAreArray;

class Interleaver_sizes : public testing::TestWithParam<int> {}; // block length
INSTANTIATE_TEST_SUITE_P(BlockLengths, Interleaver_sizes, testing::Values(48, 144, 576));

TEST_P(Interleaver_sizes, DeinterleaveUndoesInterleave)
{
    const int n = GetParam();
    std::vector<float> in(static_cast<size_t>(n));
    std::iota(in.begin(), in.end(), 0.0f);
    interleaver.setup(n);
    interleaver.alloc_buffers();
    Chain_signal s{in.data(), nullptr};
    interleaver.xmit(s);
    const std::vector<float> mixed(s.i, s.i + n);
    EXPECT_THAT(mixed, testing::Not(ElementsAreArray(in)));
    if (n == 48) { // 8 rows x 6 columns: each output row takes every 8th element
        EXPECT_THAT(std::vector<float>(mixed.begin(), mixed.begin() + 9),
                    ElementsAreArray({0, 8, 16, 24, 32, 40, 1, 9, 17}));
        EXPECT_THAT(std::vector<float>(mixed.end() - 2, mixed.end()), ElementsAreArray({39, 47}));
    }
    interleaver.rcve(s);
    EXPECT_THAT(std::vector<float>(s.i, s.i + n), ElementsAreArray(in));
}
