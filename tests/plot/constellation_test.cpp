#include "plot/constellation.h"

#include "analog/analog_objects.h"
#include "plot/plot_ctrl.h"

#include "../engine/chain_fixture.h"
#include "../fakes/record_canvas.h"

#include <gmock/gmock.h>

#include <set>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

using testing::HasSubstr;

namespace {

constexpr int box_px = 300;
constexpr int run_bytes = 3;

// The "N wrong" of a receive plot's caption.
int caption_wrong(int code)
{
    Record_canvas box;
    const std::string caption = draw_signal_plot(code, box);
    const std::string key = "rcve step 6: ";
    const size_t at = caption.find(key);
    EXPECT_NE(at, std::string::npos) << caption;
    return at == std::string::npos ? -1 : std::stoi(caption.substr(at + key.size()));
}

void run_with(const std::vector<Typed>& typed)
{
    setup_fresh_chain(6, run_bytes);
    apply_entry(analog_pars(), entry(typed));
    run_once();
}

Record_canvas draw(Constellation& c)
{
    Record_canvas box(box_px, box_px);
    c.draw(box);
    return box;
}

} // namespace

// The wrong chips of each branch are the errors the ADC output's plots count.
TEST(Constellation, WrongChipsPerBranchAreThoseTheAdcPlotsCount)
{
    const std::vector<std::pair<std::string, std::vector<Typed>>> cases = {
        {"clean", {}},
        {"noise 2", {{"noise_to_signal", 2.0f}}},
        {"noise 5", {{"noise_to_signal", 5.0f}}},
        {"IF phase", {{"if_phase_pct", 20.0f}}},
    };
    for (const auto& [name, typed] : cases) {
        SCOPED_TRACE(name);
        run_with(typed);
        Constellation c;
        draw(c);
        EXPECT_EQ(c.chips, analog_mod.out_len);
        EXPECT_EQ(c.wrong_i, caption_wrong(-106));
        EXPECT_EQ(c.wrong_q, caption_wrong(-206));
        EXPECT_EQ(c.caption(), "constellation (rcve, " + std::to_string(c.chips) +
                                   " chips): wrong I: " + std::to_string(c.wrong_i) +
                                   ", wrong Q: " + std::to_string(c.wrong_q));
        if (name == "clean") {
            EXPECT_EQ(c.wrong_i + c.wrong_q, 0);
        }
        if (name == "noise 5") {
            EXPECT_GT(c.wrong_i + c.wrong_q, 0);
        }
    }
}

// Every chip the DAC is given lies on one of four pixels: a point each, in the four
// quadrants; with one branch on two pixels of the I axis.
TEST(Constellation, ChipsOnOnePixelAreDrawnOnceOneBranchOnTheIAxis)
{
    const std::vector<std::tuple<float, long, std::string>> cases = {
        {2.0f, 4, "constellation (xmit, 2048 chips): wrong I: 0, wrong Q: 0"},
        {1.0f, 2, "constellation (xmit, 2048 chips): wrong I: 0, wrong Q: 0, one branch: I only"},
    };
    for (const auto& [branches, points, caption] : cases) {
        SCOPED_TRACE(branches);
        run_with({{"iq_branches", branches}});
        Constellation c;
        c.toggle_side();
        const Record_canvas box = draw(c);
        EXPECT_EQ(c.caption(), caption);
        std::set<std::vector<int>> at;
        for (const Canvas_call& k : box.calls)
            if (k.op == "fill_rect" && k.args[2] - k.args[0] < box_px) at.insert(k.args);
        EXPECT_EQ(box.count("fill_rect") - 1, points); // the first clears the box
        EXPECT_EQ(static_cast<long>(at.size()), points);
        for (const std::vector<int>& p : at) {
            if (points == 2) {
                EXPECT_EQ(p[1], box_px / 2); // on the I axis
            } else {
                EXPECT_NE(p[1], box_px / 2);
            }
        }
    }
}

TEST(Constellation, NeedsACompleteRunWithTheAnalogStage)
{
    const std::vector<std::pair<int, bool>> cases = {{6, true}, {6, false}, {5, true}};
    for (const auto& [stages, run] : cases) {
        SCOPED_TRACE(stages);
        setup_fresh_chain(stages, run_bytes);
        if (run) run_once();
        if (stages == 6 && run) {
            EXPECT_EQ(Constellation::refusal(), "");
        } else {
            EXPECT_THAT(Constellation::refusal(), HasSubstr("needs a run first"));
        }
    }
}
