#include "engine/engine_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using testing::ElementsAreArray;

namespace {
using Step = bool (PN_spread::*)(std::uint64_t&) const;

std::string first_24_bits(const PN_spread& pn, Step step)
{
    std::uint64_t reg = 1;
    std::string bits;
    for (int k = 0; k < 24; ++k) bits += (pn.*step)(reg) ? '1' : '0';
    return bits;
}

// Transmit, then the stage's own receive; s ends at the receive output.
std::vector<float> round_trip(PN_spread& pn, std::vector<float>& chips, Chain_signal& s)
{
    pn.setup(static_cast<int>(chips.size()));
    pn.alloc_buffers();
    s = {chips.data(), nullptr};
    pn.xmit(s);
    std::vector<float> sent(s.i, s.i + pn.out_len);
    pn.rcve(s);
    EXPECT_THAT(std::vector<float>(s.i, s.i + chips.size()), ElementsAreArray(chips));
    EXPECT_THAT(std::vector<float>(s.q, s.q + chips.size()), ElementsAreArray(chips));
    return sent;
}
} // namespace

TEST(PN_spread, GeneratorsStartWithReferenceBits)
{
    EXPECT_EQ(first_24_bits(pn_spread_u, &PN_spread::step_u), "010100101011111011011110");
    EXPECT_EQ(first_24_bits(pn_spread_iq, &PN_spread::step_i), "010100100111010001101111");
    EXPECT_EQ(first_24_bits(pn_spread_iq, &PN_spread::step_q), "001111010111010110100111");
}

TEST(PN_spread, ShortCodesAreMaximalLengthSequences)
{
    // a 15-bit m-sequence passes every non-zero state once: period 2^15 - 1, 2^14 ones
    for (Step step : {Step{&PN_spread::step_i}, Step{&PN_spread::step_q}}) {
        std::uint64_t reg = 1;
        int period = 0, ones = 0;
        do {
            ones += (pn_spread_iq.*step)(reg);
            ++period;
        } while (reg != 1 && period <= 32767);
        EXPECT_EQ(period, 32767);
        EXPECT_EQ(ones, 16384);
    }
}

TEST(PN_spread, LongCodeSpreadsEachChipIntoFourAndBack)
{
    std::vector<float> chips{1, 0};
    Chain_signal s;
    // PN-U begins 0101 0010
    EXPECT_THAT(round_trip(pn_spread_u, chips, s), ElementsAreArray({1, 0, 1, 0, 0, 0, 1, 0}));
}

TEST(PN_spread, ShortCodesDespreadBothBranches)
{
    std::vector<float> chips(512);
    for (size_t k = 0; k < chips.size(); ++k) chips[k] = static_cast<float>((k * 7 / 3) % 2);
    Chain_signal s;
    round_trip(pn_spread_iq, chips, s);
}

TEST(PN_spread, UndecidedInputStaysUndecided)
{
    for (PN_spread* pn : {&pn_spread_u, &pn_spread_iq}) {
        pn->setup(64);
        pn->alloc_buffers();
        std::vector<float> half(static_cast<size_t>(pn->out_len), 0.5f);
        Chain_signal s{half.data(), half.data()};
        pn->rcve(s);
        EXPECT_THAT(std::vector<float>(s.i, s.i + 64), testing::Each(0.5f)) << pn->pn_name;
        EXPECT_THAT(std::vector<float>(s.q, s.q + 64), testing::Each(0.5f)) << pn->pn_name;
    }
}

TEST(PN_spread, JumpAheadEqualsStepping)
{
    // Every count up to 70000 (two short-code periods and beyond) on all three masks,
    // checked against the step routine itself.
    struct Generator {
        std::uint64_t mask;
        const PN_spread* pn;
        Step step;
    };
    for (const Generator& g : {Generator{PN_spread::u_mask, &pn_spread_u, &PN_spread::step_u},
                               Generator{PN_spread::i_mask, &pn_spread_iq, &PN_spread::step_i},
                               Generator{PN_spread::q_mask, &pn_spread_iq, &PN_spread::step_q}}) {
        std::uint64_t reg = 1;
        for (std::uint64_t k = 0; k <= 70000; ++k) {
            ASSERT_EQ(pn_jump(1, g.mask, k), reg) << std::hex << g.mask << std::dec << " at " << k;
            (g.pn->*g.step)(reg);
        }
    }
}

TEST(PN_spread, JumpAheadAroundPeriodsAndFromAnyState)
{
    EXPECT_EQ(pn_jump(1, PN_spread::i_mask, 32767), 1u);
    EXPECT_EQ(pn_jump(1, PN_spread::i_mask, 32768), pn_jump(1, PN_spread::i_mask, 1));
    EXPECT_EQ(pn_jump(1, PN_spread::q_mask, 32766), pn_jump(1, PN_spread::q_mask, 65533));
    // Jumps compose: a steps then b steps is a + b steps, far beyond what can be stepped.
    const std::uint64_t a = 3'000'000'000'017ull;
    const std::uint64_t b = 1'234'567'891ull;
    const std::uint64_t u = PN_spread::u_mask;
    EXPECT_EQ(pn_jump(pn_jump(1, u, a), u, b), pn_jump(1, u, a + b));
    // From a far state, a million single steps land where the jump does.
    std::uint64_t reg = pn_jump(1, u, a);
    for (int k = 0; k < 1'000'000; ++k) pn_spread_u.step_u(reg);
    EXPECT_EQ(reg, pn_jump(1, u, a + 1'000'000));
}
