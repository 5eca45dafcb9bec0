#include "chain_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <vector>

using testing::ElementsAreArray;

struct Chain_case {
    int bytes;
    std::vector<int> lengths; // out_len of stages 0..5
};
class Chain_sizes : public testing::TestWithParam<Chain_case> {};
INSTANTIATE_TEST_SUITE_P(DataBytes, Chain_sizes,
                         testing::Values(Chain_case{3, {24, 48, 48, 512, 2048, 2048}},
                                         Chain_case{36, {288, 576, 576, 6144, 24576, 24576}}));

TEST_P(Chain_sizes, SetupChainsStageLengths)
{
    setup_fresh_chain(5, GetParam().bytes);
    std::vector<int> lengths;
    for (size_t k = 0; k <= 5; ++k) lengths.push_back(get_len(stage_table[k], 1));
    EXPECT_THAT(lengths, ElementsAreArray(GetParam().lengths));
    EXPECT_EQ(get_nbuf(stage_table[5], 1) + get_nbuf(stage_table[5], -1), 4);
    for (const auto& b : stage_table[5]->buf) EXPECT_EQ(b.size(), static_cast<size_t>(lengths[5]));
}

// Start values are stored unchecked: setup limits the stages and takes 3 bytes for a count
// other than 3, 9 or 36.
TEST(Elements, SetupClampsNrStagesAndDataBytes)
{
    setup_fresh_chain(9, 5);
    EXPECT_EQ(nr_stages, 6);
    EXPECT_EQ(get_len(stage_table[6], -1), 2048);
    conv_code.setup(10); // a mark that a chained setup would overwrite
    setup_fresh_chain(-2, 3);
    EXPECT_EQ(nr_stages, 0);
    EXPECT_EQ(conv_code.in_len, 10);
}

TEST(Elements, SeqIsSentAsReferenceWalshSymbols)
{
    setup_fresh_chain(3, 3);
    run_once();
    std::vector<int> symbols; // the row each 64-chip block equals, rows from popcount parity
    for (int p = 0; p < 512; p += 64)
        for (unsigned r = 0; r < 64; ++r) {
            bool match = true;
            for (unsigned c = 0; c < 64 && match; ++c)
                match = get_sample(stage_table[3], 0, p + static_cast<int>(c)) ==
                        (std::popcount(r & c) % 2 == 0);
            if (match) symbols.push_back(static_cast<int>(r));
        }
    EXPECT_THAT(symbols, ElementsAreArray({6, 29, 53, 53, 20, 58, 34, 24}));
}

TEST(Elements, SamplesOutsideTheBuffersReadAsZero)
{
    setup_fresh_chain(1, 3);
    const Elements* e = stage_table[1];
    for (auto [buffer, index] : {std::pair{0, -1}, {0, 48}, {1, 24}, {2, 0}, {-1, 0}})
        EXPECT_EQ(get_sample(e, buffer, index), 0.0f) << buffer << ", " << index;
}
