#include "engine/error_sweep.h"

#include "engine/number_reader.h"
#include "engine/number_text.h"
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

// Each point is the float nearest to its place between the typed ends, and its shortest
// text, as --set reads it, stores that float again.
TEST(Error_sweep_values, EachPointIsTheFloatNearestItsPlaceOnTheGrid)
{
    const struct {
        Sweep_plan plan;
        std::vector<float> values;
    } cases[] = {
        {{row("roll_off"), 0.0, 1.0, 5, false}, {0.0f, 0.25f, 0.5f, 0.75f, 1.0f}},
        {{row("roll_off"), 0.1, 0.9, 5, false}, {0.1f, 0.3f, 0.5f, 0.7f, 0.9f}},
        {{row("noise_to_signal"), 0.1, 0.7, 7, false}, {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f}},
        {{row("noise_to_signal"), 0.001, 1000.0, 7, true},
         {0.001f, 0.01f, 0.1f, 1.0f, 10.0f, 100.0f, 1000.0f}},
        {{row("rf_phase_pct"), -1.0, -100.0, 3, true}, {-1.0f, -10.0f, -100.0f}},
    };
    for (const auto& c : cases)
        EXPECT_THAT(sweep_values(c.plan), ElementsAreArray(c.values)) << c.plan.to;
    // 0 to 0.3 in 199 steps: k * 0.3 / 199 in long double is near enough to the exact
    // quotient that rounding it to float gives the nearest float.
    const std::vector<float> v = sweep_values({row("noise_to_signal"), 0.0, 0.3, 200, false});
    for (size_t k = 0; k < v.size(); ++k) {
        EXPECT_EQ(v[k], static_cast<float>(3.0L * k / 1990.0L)) << k;
        EXPECT_EQ(as_float(read_number(shortest_text(v[k])).value), v[k]) << k;
    }
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
              "point 5: roll_off = 2 is out of range: allowed are 0 to 1");
    EXPECT_EQ(check_sweep({row("roll_off"), 0.0f, 1.0f, 200, false}), std::nullopt);
    // A switch steps from one of its values to the other; the ends are checked first.
    EXPECT_EQ(check_sweep({row("if_mod"), 0.0, 1.0, 3, false}),
              "points = 3 is out of range: if_mod takes only 0 and 1, so a sweep from 0 to 1 "
              "has 2 points");
    EXPECT_EQ(check_sweep({row("iq_branches"), 2.0, 1.0, 5, true}),
              "points = 5 is out of range: iq_branches takes only 1 and 2, so a sweep from 2 "
              "to 1 has 2 points");
    EXPECT_EQ(check_sweep({row("bp_on2"), 0.0, 2.0, 5, false}),
              "point 5: bp_on2 = 2 is out of range: allowed are 0 (off) and 1 (on)");
    EXPECT_EQ(check_sweep({row("rf_demod"), 1.0, 0.0, 2, false}), std::nullopt);
    EXPECT_EQ(check_sweep({row("rf_demod"), 1.0, 1.0, 4, false}), std::nullopt);
}
