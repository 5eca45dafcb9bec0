#include "engine/engine_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using testing::ElementsAreArray;

namespace {
// Packs `bits` into bytes with the stage set up for 3 bytes.
std::vector<float> receive(std::vector<float> bits)
{
    vocoder.setup(3);
    vocoder.alloc_buffers();
    Chain_signal s{bits.data(), nullptr};
    vocoder.rcve(s);
    return {s.i, s.i + 3};
}
} // namespace

TEST(Vocoder, SendsSeqMsbFirstEndingInTwoTailZerosAndPacksItBack)
{
    EXPECT_EQ(vocoder.setup(5), 24); // taken as 3 bytes
    vocoder.alloc_buffers();
    Chain_signal s;
    vocoder.xmit(s);
    // 's' = 0x73, 'e' = 0x65, 'q' = 0x71 with its two low bits replaced by the tail
    const std::vector<float> want{0, 1, 1, 1, 0, 0, 1, 1, 0, 1, 1, 0,
                                  0, 1, 0, 1, 0, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_THAT(std::vector<float>(s.i, s.i + 24), ElementsAreArray(want));
    EXPECT_THAT(receive(want), ElementsAreArray({115, 101, 112}));
    std::vector<float> bits(24, 0.0f); // only an exact 1 counts as a one
    bits[0] = 0.999f;
    bits[7] = 1.0f;
    EXPECT_THAT(receive(bits), ElementsAreArray({1, 0, 0}));
}
