#include "engine/par_entry.h"
#include "engine/parameters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using testing::AllOf;
using testing::Each;
using testing::ElementsAreArray;
using testing::HasSubstr;

// Every frequency here is a whole multiple of the float spacing at its size (64 Hz near
// 1 GHz), so it is stored, and compared, exactly.
namespace {
Analog_pars& fresh()
{
    analog_pars().set_defaults();
    return analog_pars();
}

int row(std::string_view name)
{
    const int r = par_row_named(name);
    EXPECT_GE(r, 0) << name;
    return r;
}

// An entry that confirms `set` with nothing typed into it.
Par_entry confirming(Par_set set)
{
    Par_entry e;
    e.confirm(set);
    return e;
}
} // namespace

TEST(Parameters, FilterCentresFollowTheCarriers)
{
    Analog_pars& p = fresh();
    EXPECT_THAT(p.bp_center,
                ElementsAreArray({81228800.0f, 981228800.0f, 81228800.0f, 1228800.0f}));
    Par_entry e;
    e.type(row("rf_mod"), 0.0f);
    e.type(row("rf_demod"), 0.0f);
    apply_entry(p, e);
    EXPECT_THAT(p.bp_center, ElementsAreArray({81228800.0f, 81228800.0f, 81228800.0f, 1228800.0f}));
    EXPECT_THAT(p.bp_width, Each(4915200.0f));
}

TEST(Parameters, LowIfIsRaisedToThreeChipRatesAndRfToThreeIfs)
{
    Analog_pars& p = fresh();
    Par_entry e;
    e.type(row("if_freq"), 1.0f);
    e.type(row("rf_freq"), 5.0f);
    apply_entry(p, e);
    EXPECT_EQ(p.if_freq, 3686400.0f);
    EXPECT_EQ(p.rf_freq, 11059200.0f);
}

TEST(Parameters, ConfirmedAnalogSetRaisesStoredLowCarriersWithNothingTyped)
{
    Analog_pars& p = fresh();
    p.if_freq = 1000000.0f;
    p.rf_freq = 2000000.0f;
    apply_entry(p, confirming(Par_set::noise));
    EXPECT_EQ(p.if_freq, 1000000.0f);
    apply_entry(p, confirming(Par_set::analog));
    EXPECT_EQ(p.if_freq, 3686400.0f);
    EXPECT_EQ(p.rf_freq, 11059200.0f);
    EXPECT_EQ(p.bp_center[0], 3686400.0f + 1228800.0f);
}

TEST(Parameters, TypedCentresLastUntilNextAnalogEntry)
{
    Analog_pars& p = fresh();
    Par_entry f;
    f.type(row("bp_center2"), 950.0f);
    f.confirm(Par_set::noise);
    apply_entry(p, f);
    EXPECT_EQ(p.bp_center[1], 950000000.0f);
    apply_entry(p, confirming(Par_set::analog));
    EXPECT_EQ(p.bp_center[1], 981228800.0f);
}

TEST(Parameters, EmptyFrequencyKeepsStoredValueExactly)
{
    Analog_pars& p = fresh(); // each value moves by one float step when taken to MHz and back
    p.if_freq = 128000008.0f;
    p.rf_freq = 1024000064.0f;
    apply_entry(p, confirming(Par_set::analog));
    p.bp_center[0] = 4000000.25f;
    p.bp_width[2] = 4000000.75f;
    apply_entry(p, confirming(Par_set::band_pass));
    EXPECT_THAT((std::vector{p.if_freq, p.rf_freq, p.bp_center[0], p.bp_width[2]}),
                ElementsAreArray({128000008.0f, 1024000064.0f, 4000000.25f, 4000000.75f}));
}

TEST(Parameters, StartValuesAreStoredUncheckedAndUntypedOnesKept)
{
    fresh();
    apply_start_pars(6, 3);
    Par_entry e;
    e.type_whole(row("nr_stages"), -7);
    EXPECT_FALSE(check_entry(e).has_value());
    apply_entry(analog_pars(), e);
    EXPECT_EQ(nr_stages, -7);
    EXPECT_EQ(data_bytes, 3);
    e.type_whole(row("data_bytes"), INT_MAX);
    apply_entry(analog_pars(), e);
    EXPECT_EQ(data_bytes, INT_MAX);
    apply_start_pars(6, 3);
}

namespace {
constexpr float not_a_number = std::numeric_limits<float>::quiet_NaN();
constexpr float infinite = std::numeric_limits<float>::infinity();

std::vector<float> stored()
{
    std::vector<float> v;
    for (const float* x : get_analog_pars()) v.push_back(*x);
    return v;
}

// The message refusing `value` typed into the named row; a check stores nothing.
std::string check_with(std::string_view name, float value)
{
    const std::vector<float> before = stored();
    Par_entry e;
    e.type(row(name), value);
    const std::optional<Refusal> r = check_entry(e);
    EXPECT_THAT(stored(), ElementsAreArray(before));
    return r ? r->message() : std::string();
}

auto refuses(const char* field) { return AllOf(HasSubstr(field), HasSubstr("allowed are")); }
} // namespace

TEST(Parameters, ChecksNameRefusedFieldAndRange)
{
    fresh();
    EXPECT_EQ(check_with("nyquist_pulses", 5000), ""); // > 2048 chips
    EXPECT_THAT(check_with("nyquist_pulses", -1), refuses("nyquist_pulses"));
    EXPECT_THAT(check_with("roll_off", 1.5f), refuses("roll_off"));
    EXPECT_THAT(check_with("samples_per_chip", 0.5f), refuses("samples_per_chip"));
    EXPECT_THAT(check_with("iq_branches", 3), refuses("iq_branches"));
    EXPECT_THAT(check_with("if_mod", 2), refuses("if_mod"));
    EXPECT_THAT(check_with("if_freq", infinite), refuses("if_freq"));
    EXPECT_THAT(check_with("bp_on2", 0.5f), refuses("bp_on2"));
    EXPECT_THAT(check_with("bp_center3", 0), refuses("bp_center3"));
    EXPECT_THAT(check_with("bp_width4", -4.9f), refuses("bp_width4"));
    EXPECT_THAT(check_with("rf_demod", not_a_number), refuses("rf_demod"));
    EXPECT_THAT(check_with("rf_phase_pct", not_a_number), refuses("rf_phase_pct"));
}
