#include "engine/error_sweep.h"

#include "engine/par_entry.h"
#include "tests/engine/chain_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

using testing::ElementsAreArray;

namespace {

int row(std::string_view name) { return par_row_named(name); }

// Asks to stop at the first report of a share beyond `beyond`.
class Stop_beyond : public Progress {
public:
    explicit Stop_beyond(double share) : beyond(share) {}
    bool report(double done) override { return done <= beyond; }
    double beyond;
};

class Error_sweep : public testing::Test {
protected:
    void SetUp() override
    {
        setup_fresh_chain(6, 3);
        // A run of its own before the sweep, with a value the sweep changes.
        Par_entry e;
        e.type(row("roll_off"), 0.35f);
        apply_entry(analog_pars(), e);
        run_once();
    }
};

std::vector<int> counts(const std::vector<Step_count>& steps)
{
    std::vector<int> v;
    for (const Step_count& s : steps) {
        v.push_back(s.wrong);
        v.push_back(s.total);
    }
    return v;
}

} // namespace

TEST_F(Error_sweep, EveryPointCountsAsASingleRunWithThatValue)
{
    const Sweep_plan plan{row("noise_to_signal"), 0.0f, 40.0f, 4, false};
    No_progress none;
    const Sweep_result r = run_sweep(plan, none);
    ASSERT_EQ(r.points.size(), 4u);
    EXPECT_EQ(r.steps, 6);
    bool some_wrong = false;
    for (const Sweep_point& p : r.points) {
        setup_fresh_chain(6, 3);
        Par_entry e;
        e.type(row("roll_off"), 0.35f);
        e.type(row("noise_to_signal"), p.value);
        apply_entry(analog_pars(), e);
        run_once();
        std::vector<Step_count> single;
        for (int step = 1; step <= 6; ++step) single.push_back(*transmission.count(step, 0));
        EXPECT_THAT(counts(p.steps), ElementsAreArray(counts(single))) << p.value;
        some_wrong = some_wrong || p.steps[5].wrong > 0;
    }
    EXPECT_TRUE(some_wrong) << "a strong noise should spoil some chips";
}

TEST_F(Error_sweep, ParametersAndBuffersAfterASweepEqualThoseBefore)
{
    const std::vector<std::uint32_t> before = chain_bits();
    No_progress none;
    // if_freq moves the carriers' floors and the filter centres with it.
    run_sweep({row("if_freq"), 10.0f, 200.0f, 3, true}, none);
    EXPECT_TRUE(run_sweep({row("noise_to_signal"), 0.0f, 10.0f, 3, false}, none).complete);
    EXPECT_THAT(chain_bits(), ElementsAreArray(before));
}

// Ten points and the run that gives the chain back take a share of 1/11 each; the analog
// stage reports within each run, so a stop beyond 1/11 comes within the second point.
TEST_F(Error_sweep, AStopEndsTheRunInHandKeepsThePointsAndLeavesTheChainNotRun)
{
    const std::vector<std::uint32_t> before = parameter_bits();
    for (const auto& [beyond, points] : {std::pair{1.0 / 11, size_t{1}}, {10.5 / 11, size_t{10}}}) {
        run_once();
        Stop_beyond stop(beyond);
        const Sweep_result r = run_sweep({row("rf_phase_pct"), 0.0f, 50.0f, 10, false}, stop);
        EXPECT_EQ(r.points.size(), points) << beyond;
        EXPECT_FALSE(r.complete);
        EXPECT_FALSE(transmission.complete) << "the chain holds no run of the stored values";
        EXPECT_THAT(parameter_bits(), ElementsAreArray(before));
    }
}

TEST(Error_sweep_values, LinearAndLogarithmicSpacingKeepTheEndsExact)
{
    EXPECT_THAT(sweep_values({row("roll_off"), 0.0f, 1.0f, 5, false}),
                ElementsAreArray({0.0f, 0.25f, 0.5f, 0.75f, 1.0f}));
    // Powers of ten computed through exp and log in double: a float ulp apart at most.
    constexpr float log_tolerance = 1e-6f;
    const std::vector<float> v = sweep_values({row("noise_to_signal"), 0.01f, 100.0f, 5, true});
    ASSERT_EQ(v.size(), 5u);
    EXPECT_EQ(v.front(), 0.01f);
    EXPECT_EQ(v.back(), 100.0f);
    EXPECT_NEAR(v[1], 0.1f, 0.1f * log_tolerance);
    EXPECT_NEAR(v[2], 1.0f, log_tolerance);
    EXPECT_NEAR(v[3], 10.0f, 10.0f * log_tolerance);
    const std::vector<float> negative =
        sweep_values({row("rf_phase_pct"), -1.0f, -100.0f, 3, true});
    EXPECT_NEAR(negative[1], -10.0f, 10.0f * log_tolerance);
}

TEST(Error_sweep_values, PlansThatCannotRunAreRefusedNamingWhy)
{
    EXPECT_EQ(check_sweep({row("nr_stages"), 0.0f, 1.0f, 5, false}),
              "only an analog, band-pass or noise parameter can be swept");
    EXPECT_EQ(check_sweep({row("roll_off"), 0.0f, 1.0f, 1, false}),
              "points = 1 is out of range: allowed are 2 to 200");
    EXPECT_EQ(check_sweep({row("roll_off"), 0.0f, 1.0f, 201, false}),
              "points = 201 is out of range: allowed are 2 to 200");
    EXPECT_EQ(check_sweep({row("roll_off"), 0.0f, 1.0f, 5, true}),
              "a logarithmic sweep needs from and to of the same sign, neither 0");
    EXPECT_EQ(check_sweep({row("roll_off"), 0.0f, 2.0f, 5, false}),
              "point 4: roll_off = 1.5 is out of range: allowed are 0 to 1");
    EXPECT_EQ(check_sweep({row("roll_off"), 0.0f, 1.0f, 200, false}), std::nullopt);
}
