#include "plot/eye_pattern.h"

#include "analog/analog_objects.h"
#include "plot/plot_objects.h"

#include "../engine/chain_fixture.h"
#include "../fakes/record_canvas.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <utility>

using testing::HasSubstr;

namespace {

constexpr int eye_width = 176;
constexpr int eye_height = 215;

class Eye_pattern_test : public testing::Test {
protected:
    Eye_pattern eye;

    void SetUp() override
    {
        setup_fresh_chain(6, 3);
        run_once();
    }

    Record_canvas draw(bool summing = false)
    {
        if (summing) eye.running = false;
        Record_canvas box(eye_width, eye_height);
        No_progress progress;
        EXPECT_TRUE(eye.draw(box, analog_mod, plot_curves, progress));
        return box;
    }
};

} // namespace

TEST_F(Eye_pattern_test, CaptionOnEntryAndAfterEachToggle)
{
    EXPECT_EQ(eye.code(), -107);
    eye.toggle_side();
    EXPECT_EQ(eye.code(), 106);
    eye.toggle_side();
    eye.toggle_branch(1.0f); // one branch: nothing happens
    EXPECT_EQ(eye.code(), -107);
    eye.toggle_branch(2.0f);
    EXPECT_EQ(eye.code(), -207);
    eye.toggle_side();
    EXPECT_EQ(eye.code(), 206);
    eye.toggle_mode();
    EXPECT_EQ(eye.caption(), "eye pattern (xmit, Q - summing plot)");
    // A Q eye chosen with two branches is drawn as I once the chain has one branch.
    eye.toggle_side();
    eye.toggle_mode();
    analog_pars().iq_branches = 1.0f;
    run_once();
    draw();
    EXPECT_EQ(eye.code(), -107);
    EXPECT_EQ(eye.caption(), "eye pattern (rcve, I - running plot)");
}

// 58 groups of 5 traces with the default chip rate; each trace starts with one move.
TEST_F(Eye_pattern_test, RunningModeClearsOncePerGroupOf290TracesSummingModeOnce)
{
    for (const auto& [summing, clears] : {std::pair{false, 58L}, {true, 1L}}) {
        SCOPED_TRACE(summing);
        const Record_canvas box = draw(summing);
        EXPECT_EQ(box.count("move_to"), 290);
        EXPECT_EQ(box.count("rectangle"), clears);
    }
}

// Receive side: stored path parts, filters run at every call; transmit side: stored values.
TEST_F(Eye_pattern_test, StoredInstantsDrawTheSameAsEvaluatingEveryInstant)
{
    for (int side = 0; side < 2; ++side) {
        for (int branch = 0; branch < 2; ++branch) {
            eye.column_cache = true;
            const Record_canvas cached = draw();
            const float lo = eye.y_min, hi = eye.y_max;
            eye.column_cache = false;
            const Record_canvas direct = draw();
            EXPECT_EQ(eye.y_min, lo);
            EXPECT_EQ(eye.y_max, hi);
            EXPECT_TRUE(cached.calls == direct.calls) << eye.caption();
            eye.toggle_branch(2.0f);
        }
        eye.toggle_side();
    }
}

// The cache of the signal takes the first half of the reported share, the traces the rest.
TEST_F(Eye_pattern_test, CancelStopsWithinTheCacheOrAfterTheGroupInHand)
{
    for (const auto& [beyond, traces] : {std::pair{0.0, 0}, {0.5, 5}}) {
        Record_canvas box(eye_width, eye_height);
        Stop_past_share stop(beyond);
        EXPECT_FALSE(eye.draw(box, analog_mod, plot_curves, stop)) << beyond;
        EXPECT_EQ(box.count("move_to"), traces) << beyond;
    }
}

// A run of the present setup with the analog stage; 0.8138 µs per chip over 100000 pixels
// is below the plot windows' finest step.
TEST_F(Eye_pattern_test, NeedsARunOfThePresentSetupAndAStepTheFiltersTake)
{
    EXPECT_EQ(Eye_pattern::refusal(eye_width), "");
    EXPECT_THAT(Eye_pattern::refusal(100000), HasSubstr("below 1e-5"));
    EXPECT_THAT(Eye_pattern::refusal(1), HasSubstr("2 pixels"));
    setup_fresh_chain(6, 3);
    EXPECT_THAT(Eye_pattern::refusal(eye_width), HasSubstr("needs a run first"));
    setup_fresh_chain(5, 3);
    run_once();
    EXPECT_THAT(Eye_pattern::refusal(eye_width), HasSubstr("needs a run first"));
}
