// The eye pattern: its caption and options, the groups and traces it draws, the shape of
// the transmitted eye, and its guards.

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

// Asks to stop at the first report of a share beyond `beyond`.
class Stop_beyond : public Progress {
public:
    explicit Stop_beyond(double share) : beyond(share) {}
    bool report(double done) override { return done <= beyond; }
    double beyond;
};

} // namespace

TEST_F(Eye_pattern_test, CaptionOnEntryAndAfterEachToggle)
{
    EXPECT_EQ(eye.caption(), "eye pattern (rcve, I - running plot)");
    EXPECT_EQ(eye.code(), -107);
    eye.toggle_side();
    EXPECT_EQ(eye.side_point, 6);
    EXPECT_EQ(eye.caption(), "eye pattern (xmit, I - running plot)");
    EXPECT_EQ(eye.code(), 106);
    eye.toggle_side();
    EXPECT_EQ(eye.side_point, -7);
    eye.toggle_branch(1.0f); // one branch: nothing happens
    EXPECT_EQ(eye.branch_code, 100);
    eye.toggle_branch(2.0f);
    EXPECT_EQ(eye.caption(), "eye pattern (rcve, Q - running plot)");
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
        EXPECT_EQ(box.count("line_to"), 290 * (eye_width - 1) * 2);
        EXPECT_EQ(box.calls.front().op, "rectangle");
    }
}

// With every chip 1 the Nyquist pulses add up to 0 at each chip boundary and to 1 in the
// middle of each chip.
TEST_F(Eye_pattern_test, TransmitEyeOfOnesRisesFromZeroAtTheBoundaryToOneAtMidChip)
{
    std::fill(pn_spread_iq.buf[0].begin(), pn_spread_iq.buf[0].end(), 1.0f);
    eye.toggle_side();
    const Record_canvas box = draw(true);
    // The scan starts at 0; the float sums at the boundaries reach only -1e-7.
    EXPECT_NEAR(eye.y_min, 0.0f, 1e-6f);
    EXPECT_NEAR(eye.y_max, 1.0f, 0.02f);
    // Back from pixel rows to values: one row is 1 / y_scale; allow two rows.
    const double row = 1.0 / static_cast<double>(plot_curves.y_scale);
    const auto value = [&](int y) { return (plot_curves.y_zero - y) * row; };
    int traces = 0;
    for (size_t k = 0; k < box.calls.size(); ++k) {
        if (box.calls[k].op != "move_to") continue;
        ++traces;
        const Canvas_call& first = box.calls[k + 1]; // line_to(0, y) of column 0
        const Canvas_call& middle = box.calls[k + 1 + 2 * eye_width / 2];
        ASSERT_EQ(middle.args[0], eye_width / 2);
        EXPECT_NEAR(value(first.args[1]), 0.0, 2 * row);
        EXPECT_NEAR(value(middle.args[1]), 1.0, 2 * row);
    }
    EXPECT_EQ(traces, 290);
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
            EXPECT_LE(lo, 0.0f); // the range holds zero on every side
            EXPECT_GE(hi, 0.0f);
            EXPECT_LT(lo, hi);
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
        Stop_beyond stop(beyond);
        EXPECT_FALSE(eye.draw(box, analog_mod, plot_curves, stop)) << beyond;
        EXPECT_EQ(box.count("move_to"), traces) << beyond;
    }
}

// A run of the present setup with the analog stage; 0.8138 µs per chip over 100000 pixels
// is below the plot windows' finest step.
TEST_F(Eye_pattern_test, NeedsARunOfThePresentSetupAndAStepTheFiltersTake)
{
    EXPECT_EQ(Eye_pattern::refusal(eye_width), "");
    EXPECT_EQ(Eye_pattern::refusal(80000), "");
    EXPECT_THAT(Eye_pattern::refusal(100000), HasSubstr("below 1e-5"));
    EXPECT_THAT(Eye_pattern::refusal(1), HasSubstr("2 pixels"));
    setup_fresh_chain(6, 3);
    EXPECT_THAT(Eye_pattern::refusal(eye_width), HasSubstr("needs a run first"));
    run_once();
    EXPECT_EQ(Eye_pattern::refusal(eye_width), "");
    setup_fresh_chain(5, 3);
    run_once();
    EXPECT_THAT(Eye_pattern::refusal(eye_width), HasSubstr("needs a run first"));
}
