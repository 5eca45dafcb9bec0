#include "engine/engine_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using testing::ElementsAreArray;

// The bits sent, MSB first with the encoder tail, are pinned by the Walsh symbols of the
// whole chain; what comes back is packed from hard decisions, so only an exact 1 is a one.
TEST(Vocoder, PacksOnlyAnExactOneAsAOne)
{
    EXPECT_EQ(vocoder.setup(5), 24); // taken as 3 bytes
    vocoder.alloc_buffers();
    std::vector<float> bits(24, 0.0f);
    bits[0] = 0.999f;
    bits[7] = 1.0f;
    Chain_signal s{bits.data(), nullptr};
    vocoder.rcve(s);
    EXPECT_THAT(std::vector<float>(s.i, s.i + 3), ElementsAreArray({1, 0, 0}));
}
