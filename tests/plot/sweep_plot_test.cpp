#include "plot/sweep_plot.h"

#include "engine/par_rows.h"
#include "tests/fakes/record_canvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using testing::Contains;

namespace {

// Two steps over 0 .. 10: step 1 never wrong, step 2 wrong in 0, 1/4 and 1/2 of 8.
Sweep_result three_points(bool log)
{
    Sweep_result r{par_row_named("noise_to_signal"), log, 2, {}};
    const float values[] = {log ? 0.1f : 0.0f, 1.0f, 10.0f};
    const int wrong[] = {0, 2, 4};
    for (int k = 0; k < 3; ++k) r.points.push_back({values[k], {{0, 8}, {wrong[k], 8}}});
    return r;
}

// The line_to calls drawn with a pen of this colour, as (x, y).
std::vector<std::vector<int>> lines_in(const Record_canvas& c, Rgb colour)
{
    std::vector<std::vector<int>> v;
    bool current = false;
    for (const Canvas_call& call : c.calls) {
        if (call.op == "set_pen")
            current = call.args[0] == colour.r && call.args[1] == colour.g &&
                      call.args[2] == colour.b && call.args[3] == 1;
        if (current && call.op == "line_to") v.push_back(call.args);
    }
    return v;
}

} // namespace

TEST(Sweep_plot, EndsOfTheSweepLieOnTheEdgesOfThePlotArea)
{
    const Sweep_frame f = Sweep_frame::of(three_points(false), false, 600, 300);
    EXPECT_EQ(f.x_of(0.0), f.left);
    EXPECT_EQ(f.x_of(10.0), f.right);
    EXPECT_EQ(f.x_of(5.0), (f.left + f.right) / 2);
    // The share axis ends at the tenth above the largest share, 0.5.
    EXPECT_EQ(f.y_hi, 0.5);
    EXPECT_EQ(f.y_of(0.0), f.bottom);
    EXPECT_EQ(f.y_of(0.5), f.top);
}

TEST(Sweep_plot, LogAxesPlaceDecadesEvenlyAndZeroAtTheBottom)
{
    const Sweep_frame f = Sweep_frame::of(three_points(true), true, 600, 300);
    EXPECT_EQ(f.x_of(0.1), f.left);
    EXPECT_EQ(f.x_of(10.0), f.right);
    // The sweep starts at the float nearest 0.1, a little above it: the middle may
    // truncate one pixel to the left.
    constexpr int float_start_px = 1;
    EXPECT_NEAR(f.x_of(1.0), (f.left + f.right) / 2, float_start_px);
    // The smallest share above zero is 0.25: the axis starts a decade below 0.1.
    EXPECT_DOUBLE_EQ(f.y_lo, 0.01);
    EXPECT_EQ(f.y_of(0.0), f.bottom);
    EXPECT_EQ(f.y_of(1.0), f.top);
    EXPECT_EQ(f.y_of(0.1), (f.top + f.bottom) / 2);
}

TEST(Sweep_plot, EachStepIsACurveThroughItsPointsWithALegend)
{
    Record_canvas box(600, 300);
    const Sweep_result r = three_points(false);
    draw_sweep(box, r, false);
    const Sweep_frame f = Sweep_frame::of(r, false, 600, 300);
    const auto blue = lines_in(box, Rgb{0, 0, 255});
    const auto red = lines_in(box, Rgb{255, 0, 0});
    ASSERT_EQ(blue.size(), 2u);
    EXPECT_EQ(blue[1], (std::vector<int>{f.x_of(10.0), f.bottom}));
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0], (std::vector<int>{f.x_of(1.0), f.y_of(0.25)}));
    EXPECT_EQ(red[1], (std::vector<int>{f.right, f.top}));
    EXPECT_THAT(box.texts(), Contains("step 1: data bits"));
    EXPECT_THAT(box.texts(), Contains("step 2: code bits"));
    EXPECT_THAT(box.texts(), Contains("noise_to_signal"));
}

TEST(Sweep_plot, AStepWhoseCurveLiesOnAnEarlierOneSaysSoInTheLegend)
{
    Sweep_result r = three_points(false);
    r.steps = 3;
    for (Sweep_point& p : r.points) p.steps.push_back(p.steps[1]);
    Record_canvas box(600, 300);
    draw_sweep(box, r, false);
    EXPECT_THAT(box.texts(), Contains("step 3: interleaved bits (= 2)"));
    EXPECT_THAT(box.texts(), Contains("step 2: code bits"));
}

TEST(Sweep_plot, CsvHasAHeaderAndOneLinePerPoint)
{
    EXPECT_EQ(sweep_csv(three_points(false)), "noise_to_signal,step1_wrong,step1_total,"
                                              "step2_wrong,step2_total\n"
                                              "0,0,8,0,8\n1,0,8,2,8\n10,0,8,4,8\n");
}
