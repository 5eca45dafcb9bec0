#include "engine/par_entry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using testing::ElementsAreArray;

namespace {

int row(std::string_view name)
{
    const int r = par_row_named(name);
    EXPECT_GE(r, 0) << name;
    return r;
}

struct Typed {
    std::string_view name;
    float value;
};

// The refusal of an entry with these values typed, as its message; "" when accepted.
std::string refusal_of(std::initializer_list<Typed> typed)
{
    Par_entry e;
    for (const Typed& t : typed) e.type(row(t.name), t.value);
    const std::optional<Refusal> r = check_entry(e);
    return r ? r->message() : std::string();
}

std::vector<std::uint32_t> stored_bits(const Analog_pars& p)
{
    std::vector<std::uint32_t> bits;
    for (const float* v : p.par_table) bits.push_back(std::bit_cast<std::uint32_t>(*v));
    return bits;
}

} // namespace

TEST(Par_entry, RefusalNamesRowAndGivesTheProblemApart)
{
    Par_entry e;
    e.type(row("roll_off"), 2.0f);
    const std::optional<Refusal> r = check_entry(e);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->row, row("roll_off"));
    EXPECT_EQ(r->problem, "2 is out of range: allowed are 0 to 1");
    EXPECT_EQ(r->message(), "roll_off = 2 is out of range: allowed are 0 to 1");
}

TEST(Par_entry, EachKindOfRangeRefusesInItsOwnWords)
{
    EXPECT_EQ(refusal_of({{"if_freq", 2.0e7f}}),
              "if_freq = 2e+07 is out of range: allowed are -1e+07 to 3e+06 MHz");
    EXPECT_EQ(refusal_of({{"if_detune_pct", 101.0f}}),
              "if_detune_pct = 101 is out of range: allowed are -100 to 100 %");
    EXPECT_EQ(refusal_of({{"noise_to_signal", -2.0e6f}}),
              "noise_to_signal = -2e+06 is out of range: allowed are -1e+06 to 1e+06");
    EXPECT_EQ(refusal_of({{"bp_center2", 0.0f}}),
              "bp_center2 = 0 is out of range: allowed are 1e-06 to 1e+07 MHz");
    EXPECT_EQ(refusal_of({{"if_mod", 0.5f}}),
              "if_mod = 0.5 is out of range: allowed are 0 (off) and 1 (on)");
    EXPECT_EQ(refusal_of({{"iq_branches", 3.0f}}),
              "iq_branches = 3 is out of range: allowed are 1 (I only) and 2 (I and Q)");
}

TEST(Par_entry, BoundsThemselvesAreAccepted)
{
    EXPECT_EQ(refusal_of({{"roll_off", 0.0f},
                          {"samples_per_chip", 1000.0f},
                          {"iq_branches", 1.0f},
                          {"rf_freq", -1.0e7f},
                          {"rf_demod", 0.0f},
                          {"bp_width4", 1.0e7f},
                          {"rf_phase_pct", -1.0e6f}}),
              "");
}

TEST(Par_entry, FirstRefusalIsBySetThenLineThenFieldNotByTypingOrder)
{
    EXPECT_EQ(refusal_of({{"noise_to_signal", 1.0e9f}, {"if_mod", 5.0f}, {"roll_off", 5.0f}}),
              "roll_off = 5 is out of range: allowed are 0 to 1");
    EXPECT_EQ(refusal_of({{"bp_on2", 5.0f}, {"bp_width1", -1.0f}}),
              "bp_width1 = -1 is out of range: allowed are 1e-06 to 1e+07 MHz");
}

TEST(Par_entry, UnconfirmedSetsAndUntypedRowsStayBitIdentical)
{
    Analog_pars p;
    p.roll_off = 0.123f;
    p.if_freq = 81234568.0f;
    p.recompute_centres();
    p.bp_width[2] = 1234567.0f;
    p.rf_detune_pct = -0.25f;
    const std::vector<std::uint32_t> before = stored_bits(p);

    apply_entry(p, Par_entry());
    EXPECT_THAT(stored_bits(p), ElementsAreArray(before));
    Par_entry all;
    for (Par_set set : {Par_set::analog, Par_set::band_pass, Par_set::noise}) all.confirm(set);
    apply_entry(p, all);
    EXPECT_THAT(stored_bits(p), ElementsAreArray(before));
}

TEST(Par_entry, TypedValuesGoToTheirRowsInTheirUnits)
{
    Analog_pars p;
    Par_entry e;
    e.type(row("bp_width3"), 2.5f);
    e.type(row("bp_on1"), 1.0f);
    e.type(row("if_phase_pct"), 12.5f);
    e.type(row("samples_per_chip"), 4.0f);
    apply_entry(p, e);
    EXPECT_EQ(p.bp_width[2], 2500000.0f);
    EXPECT_EQ(p.bp_on[0], 1.0f);
    EXPECT_EQ(p.if_phase_pct, 12.5f);
    EXPECT_EQ(p.samples_per_chip, 4.0f);
}

TEST(Par_entry, RefusalEchoesTheTypedText)
{
    Par_entry e;
    e.type(row("roll_off"), 1.0000001f, "1.0000001");
    ASSERT_TRUE(check_entry(e).has_value());
    EXPECT_EQ(check_entry(e)->message(),
              "roll_off = 1.0000001 is out of range: allowed are 0 to 1");
}

TEST(Par_entry, FilterValuesWhoseCoefficientsWouldFailAreRefused)
{
    for (const char* name : {"bp_center4", "bp_width1"}) {
        Par_entry e;
        e.type(row(name), 1e-38f, "1e-38");
        ASSERT_TRUE(check_entry(e).has_value()) << name;
        EXPECT_EQ(check_entry(e)->message(),
                  std::string(name) + " = 1e-38 is out of range: allowed are 1e-06 to 1e+07 MHz");
        Par_entry lowest;
        lowest.type(row(name), min_filter_mhz);
        EXPECT_FALSE(check_entry(lowest).has_value()) << name;
    }
}

// Filter frequencies go to Hz through double; for a typed float that is the float
// product itself, bit for bit.
TEST(Par_entry, TypedFilterMegahertzStoreAsTheFloatProduct)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<float> mhz(0.001f, 1.0e7f);
    for (int k = 0; k < 10000; ++k) {
        const float typed = mhz(random);
        Par_entry e;
        e.type(row("bp_width3"), typed);
        Analog_pars p;
        apply_entry(p, e);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(p.bp_width[2]),
                  std::bit_cast<std::uint32_t>(typed * 1000000.0f))
            << typed;
    }
}
