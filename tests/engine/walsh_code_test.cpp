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

// The chips of function r.
std::vector<float> row(unsigned r) { return {walsh_code.wf[r].begin(), walsh_code.wf[r].end()}; }

std::vector<float> send(std::vector<float> bits)
{
    walsh_code.setup(static_cast<int>(bits.size()));
    walsh_code.alloc_buffers();
    Chain_signal s{bits.data(), nullptr};
    walsh_code.xmit(s);
    EXPECT_EQ(s.i, s.q);
    return {s.i, s.i + walsh_code.out_len};
}
} // namespace

// The correlation and the order of the bits sent in a row are pinned by the decisions below
// and by the Walsh symbols of the whole chain.
TEST(Walsh_code, FunctionsAreSylvesterRows)
{
    walsh_code.setup(48);
    for (unsigned r = 0; r < n; ++r) // 1 where r and c share an even number of bits
        for (unsigned c = 0; c < n; ++c)
            ASSERT_EQ(walsh_code.wf[r][c], std::popcount(r & c) % 2 == 0) << r << ", " << c;
}

// The row with the most energy over both branches gives the soft bits 0.5 +/- half its
// strength: 0.5 +/- 0.5 with both branches on it, 0.5 +/- 0.5 sqrt(0.5) with one.
TEST(Walsh_code, ReceiveDecidesForTheStrongestRow)
{
    constexpr float hi = 0.8536f, lo = 0.1464f; // quoted to four decimals
    constexpr float quoted = 5e-5f;
    const std::vector<float> bits{0, 1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1,
                                  0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1};
    const std::vector<float> chips = send(bits);
    const std::vector<float> half(n, 0.5f);
    const struct {
        const char* what;
        std::vector<float> i, q, want;
        float tolerance;
    } cases[] = {
        {"both branches", chips, chips, bits, 0.0f},
        {"I only", row(45), half, {hi, lo, hi, hi, lo, hi}, quoted},
        {"tie of rows 5 and 3 goes to 3", row(5), row(3), {lo, lo, lo, lo, hi, hi}, quoted},
        {"nothing received", half, half, std::vector<float>(6, 0.5f), 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        walsh_code.setup(static_cast<int>(c.want.size()));
        walsh_code.alloc_buffers();
        std::vector<float> i = c.i, q = c.q;
        Chain_signal s{i.data(), q.data()};
        walsh_code.rcve(s);
        EXPECT_THAT(std::vector<float>(s.i, s.i + c.want.size()),
                    Pointwise(FloatNear(c.tolerance), c.want));
    }
}
