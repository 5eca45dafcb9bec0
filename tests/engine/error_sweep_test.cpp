#include "engine/error_sweep.h"

#include "engine/number_reader.h"
#include "engine/number_text.h"
#include "tests/engine/chain_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using testing::ElementsAreArray;

namespace {

// A chain that has run with a value the sweeps change.
class Error_sweep : public testing::Test {
protected:
    void SetUp() override
    {
        setup_fresh_chain(6, 3);
        apply_entry(analog_pars(), entry({{"roll_off", 0.35f}}));
        run_once();
    }
};

} // namespace

TEST_F(Error_sweep, EveryPointCountsAsASingleRunWithThatValue)
{
    No_progress none;
    const Sweep_result r = run_sweep({row("noise_to_signal"), 0.0f, 40.0f, 4, false}, none);
    ASSERT_EQ(r.points.size(), 4u);
    EXPECT_EQ(r.steps, 6);
    bool some_wrong = false;
    for (const Sweep_point& p : r.points) {
        setup_fresh_chain(6, 3);
        apply_entry(analog_pars(), entry({{"roll_off", 0.35f}, {"noise_to_signal", p.value}}));
        run_once();
        for (int step = 1; step <= 6; ++step) {
            const Step_count& point = p.steps[static_cast<size_t>(step - 1)];
            EXPECT_EQ(point.wrong, transmission.count(step, 0)->wrong) << p.value;
            EXPECT_EQ(point.total, transmission.count(step, 0)->total) << p.value;
        }
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
    const std::vector<std::uint32_t> before = stored_bits();
    for (const auto& [beyond, points] : {std::pair{1.0 / 11, size_t{1}}, {10.5 / 11, size_t{10}}}) {
        run_once();
        Stop_past_share stop(beyond);
        const Sweep_result r = run_sweep({row("rf_phase_pct"), 0.0f, 50.0f, 10, false}, stop);
        EXPECT_EQ(r.points.size(), points) << beyond;
        EXPECT_FALSE(r.complete);
        EXPECT_FALSE(transmission.complete) << "the chain holds no run of the stored values";
        EXPECT_THAT(stored_bits(), ElementsAreArray(before));
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

// A switch steps from one of its values to the other; its ends are checked first.
TEST(Error_sweep_values, PlansThatCannotRunAreRefusedNamingWhy)
{
    const std::string out_of_range = " is out of range: ";
    const struct {
        Sweep_plan plan;
        std::optional<std::string> refusal;
    } cases[] = {
        {{row("nr_stages"), 0, 1, 5, false},
         "only an analog, band-pass or noise parameter can be swept"},
        {{row("roll_off"), 0, 1, 1, false}, "points = 1" + out_of_range + "allowed are 2 to 200"},
        {{row("roll_off"), 0, 1, 201, false},
         "points = 201" + out_of_range + "allowed are 2 to 200"},
        {{row("roll_off"), 0, 1, 5, true},
         "a logarithmic sweep needs from and to of the same sign, neither 0"},
        {{row("roll_off"), 0, 2, 5, false},
         "point 5: roll_off = 2" + out_of_range + "allowed are 0 to 1"},
        {{row("if_mod"), 0, 1, 3, false},
         "points = 3" + out_of_range +
             "if_mod takes only 0 and 1, so a sweep from 0 to 1 has 2 points"},
        {{row("roll_off"), 0, 1, 200, false}, std::nullopt},
        {{row("rf_demod"), 1, 1, 4, false}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(check_sweep(c.plan), c.refusal) << c.refusal.value_or("");
}
