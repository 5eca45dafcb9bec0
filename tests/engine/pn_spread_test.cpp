#include "chain_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using testing::ElementsAreArray;

namespace {
using Step = bool (PN_spread::*)(std::uint64_t&) const;

// A 15-bit short code from its polynomial P(x) = 1 + sum of x^t over taps: the chip bits are
// s[1], s[2], ... where s[m] = sum of s[m - t] over taps (mod 2). A register started at 1
// stands for x^0, so s[0] = 1 and s[-14] .. s[-1] = 0.
std::vector<float> short_code(std::initializer_list<int> taps, size_t count)
{
    std::vector<int> s(15, 0); // s[-14] .. s[0]
    s.back() = 1;
    while (s.size() < 15 + count) {
        int bit = 0;
        for (int t : taps) bit ^= s[s.size() - static_cast<size_t>(t)];
        s.push_back(bit);
    }
    return {s.begin() + 15, s.end()};
}
} // namespace

// Every run, the second one too, spreads with both short codes from their start, and
// despreads each branch back to the chips:
// P_I(x) = 1 + x^2 + x^6 + x^7 + x^8 + x^10 + x^15,
// P_Q(x) = 1 + x^3 + x^4 + x^5 + x^9 + x^10 + x^11 + x^12 + x^15.
TEST(PN_spread, EachRunSpreadsWithBothShortCodesFromTheirStartAndBack)
{
    setup_fresh_chain(5, 3);
    const std::vector<float> pn_i = short_code({2, 6, 7, 8, 10, 15}, 2048);
    const std::vector<float> pn_q = short_code({3, 4, 5, 9, 10, 11, 12, 15}, 2048);
    for (int run = 1; run <= 2; ++run) {
        run_once();
        std::vector<float> want_i, want_q;
        for (size_t k = 0; k < 2048; ++k) {
            const float chip = pn_spread_u.buf[0][k];
            want_i.push_back(chip == pn_i[k] ? 0.0f : 1.0f);
            want_q.push_back(chip == pn_q[k] ? 0.0f : 1.0f);
        }
        EXPECT_THAT(pn_spread_iq.buf[0], ElementsAreArray(want_i)) << "run " << run;
        EXPECT_THAT(pn_spread_iq.buf[1], ElementsAreArray(want_q)) << "run " << run;
        EXPECT_THAT(pn_spread_iq.buf[2], ElementsAreArray(pn_spread_u.buf[0])) << "run " << run;
        EXPECT_THAT(pn_spread_iq.buf[3], ElementsAreArray(pn_spread_u.buf[0])) << "run " << run;
    }
}

// PN-U begins 0101 0010 1011 1110 1101 1110; a one chip flips its four code bits.
TEST(PN_spread, LongCodeSpreadsEachChipIntoFourAndBack)
{
    std::vector<float> chips{1, 0, 0, 1, 0, 0};
    pn_spread_u.setup(6);
    pn_spread_u.alloc_buffers();
    Chain_signal s{chips.data(), nullptr};
    pn_spread_u.xmit(s);
    EXPECT_THAT(
        std::vector<float>(s.i, s.i + 24),
        ElementsAreArray({1, 0, 1, 0, 0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 0, 1, 1, 1, 0, 1, 1, 1, 1, 0}));
    pn_spread_u.rcve(s);
    EXPECT_THAT(std::vector<float>(s.i, s.i + 6), ElementsAreArray(chips));
    EXPECT_THAT(std::vector<float>(s.q, s.q + 6), ElementsAreArray(chips));
}

// Every count up to 70000 (two short-code periods and beyond) on all three masks, against
// the step routine; then jumps far beyond what can be stepped compose: a then b is a + b.
TEST(PN_spread, JumpAheadEqualsStepping)
{
    const struct {
        std::uint64_t mask;
        const PN_spread* pn;
        Step step;
    } generators[] = {{PN_spread::u_mask, &pn_spread_u, &PN_spread::step_u},
                      {PN_spread::i_mask, &pn_spread_iq, &PN_spread::step_i},
                      {PN_spread::q_mask, &pn_spread_iq, &PN_spread::step_q}};
    for (const auto& g : generators) {
        std::uint64_t reg = 1;
        for (std::uint64_t k = 0; k <= 70000; ++k) {
            ASSERT_EQ(pn_jump(1, g.mask, k), reg) << std::hex << g.mask << std::dec << " at " << k;
            (g.pn->*g.step)(reg);
        }
    }
    const std::uint64_t a = 3'000'000'000'017ull, b = 1'234'567'891ull, u = PN_spread::u_mask;
    EXPECT_EQ(pn_jump(pn_jump(1, u, a), u, b), pn_jump(1, u, a + b));
    std::uint64_t reg = pn_jump(1, u, a); // a million single steps from a far state
    for (int k = 0; k < 1'000'000; ++k) pn_spread_u.step_u(reg);
    EXPECT_EQ(reg, pn_jump(1, u, a + 1'000'000));
}
