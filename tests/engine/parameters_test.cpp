#include "engine/parameters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>
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
} // namespace

TEST(Parameters, FilterCentresFollowTheCarriers)
{
    Analog_pars& p = fresh();
    EXPECT_THAT(p.bp_center,
                ElementsAreArray({81228800.0f, 981228800.0f, 81228800.0f, 1228800.0f}));
    Analog_entry e = current_analog_entry(p);
    e.rf_mod = e.rf_demod = 0.0f;
    apply_analog_pars(p, e);
    EXPECT_THAT(p.bp_center, ElementsAreArray({81228800.0f, 81228800.0f, 81228800.0f, 1228800.0f}));
    EXPECT_THAT(p.bp_width, Each(4915200.0f));
}

TEST(Parameters, LowIfIsRaisedToThreeChipRatesAndRfToThreeIfs)
{
    Analog_pars& p = fresh();
    Analog_entry e = current_analog_entry(p);
    e.if_mhz = 1.0f;
    e.rf_mhz = 5.0f;
    apply_analog_pars(p, e);
    EXPECT_EQ(p.if_freq, 3686400.0f);
    EXPECT_EQ(p.rf_freq, 11059200.0f);
}

TEST(Parameters, TypedCentresLastUntilNextAnalogEntry)
{
    Analog_pars& p = fresh();
    Filter_entry f = current_filter_entry(p);
    f[1].center_mhz = 950.0f;
    apply_filter_pars(p, f);
    apply_noise_pars(p, current_noise_entry(p));
    EXPECT_EQ(p.bp_center[1], 950000000.0f);
    apply_analog_pars(p, current_analog_entry(p));
    EXPECT_EQ(p.bp_center[1], 981228800.0f);
}

TEST(Parameters, EmptyFrequencyKeepsStoredValueExactly)
{
    Analog_pars& p = fresh(); // each value moves by one float step when taken to MHz and back
    p.if_freq = 128000008.0f;
    p.rf_freq = 1024000064.0f;
    apply_analog_pars(p, current_analog_entry(p));
    p.bp_center[0] = 4000000.25f;
    p.bp_width[2] = 4000000.75f;
    apply_filter_pars(p, current_filter_entry(p));
    EXPECT_THAT((std::vector{p.if_freq, p.rf_freq, p.bp_center[0], p.bp_width[2]}),
                ElementsAreArray({128000008.0f, 1024000064.0f, 4000000.25f, 4000000.75f}));
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

std::string check(const Analog_entry& e) { return check_analog_entry(e); }
std::string check(const Filter_entry& e) { return check_filter_entry(e); }
std::string check(const Noise_entry& e) { return check_noise_entry(e); }

// The check of `entry` with one field changed; a check stores nothing.
template <class Entry, class Change> std::string check_with(Entry entry, Change change)
{
    const std::vector<float> before = stored();
    change(entry);
    const std::string msg = check(entry);
    EXPECT_THAT(stored(), ElementsAreArray(before));
    return msg;
}

auto refuses(const char* field) { return AllOf(HasSubstr(field), HasSubstr("allowed are")); }
} // namespace

TEST(Parameters, ChecksNameRefusedFieldAndRange)
{
    const Analog_entry a = current_analog_entry(fresh());
    const Filter_entry f = current_filter_entry(analog_pars());
    EXPECT_EQ(check_with(a, [](auto& e) { e.nyquist_pulses = 5000; }), ""); // > 2048 chips
    EXPECT_THAT(check_with(a, [](auto& e) { e.nyquist_pulses = -1; }), refuses("nyquist_pulses"));
    EXPECT_THAT(check_with(a, [](auto& e) { e.roll_off = 1.5f; }), refuses("roll_off"));
    EXPECT_THAT(check_with(a, [](auto& e) { e.samples_per_chip = 0.5f; }),
                refuses("samples_per_chip"));
    EXPECT_THAT(check_with(a, [](auto& e) { e.iq_branches = 3; }), refuses("iq_branches"));
    EXPECT_THAT(check_with(a, [](auto& e) { e.if_mod = 2; }), refuses("if_mod"));
    EXPECT_THAT(check_with(a, [](auto& e) { e.if_mhz = infinite; }), refuses("if_freq"));
    EXPECT_THAT(check_with(f, [](auto& e) { e[1].on = 0.5f; }), refuses("bp_on2"));
    EXPECT_THAT(check_with(f, [](auto& e) { e[2].center_mhz = 0; }), refuses("bp_center3"));
    EXPECT_THAT(check_with(f, [](auto& e) { e[3].width_mhz = -4.9f; }), refuses("bp_width4"));
    EXPECT_THAT(check_with(a, [](auto& e) { e.rf_demod = not_a_number; }), refuses("rf_demod"));
    const Noise_entry n = current_noise_entry(analog_pars());
    EXPECT_THAT(check_with(n, [](auto& e) { e.rf_phase_pct = not_a_number; }),
                refuses("rf_phase_pct"));
}
