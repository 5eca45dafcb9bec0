#include "plot/sweep_plot.h"

#include "engine/par_rows.h"
#include "tests/fakes/record_canvas.h"

#include <gmock/gmock.h>

#include <algorithm>

using testing::Contains;

namespace {

// Two steps over 0 .. 10: step 1 never wrong, step 2 wrong in 0, 1/4 and 1/2 of 8.
Sweep_result three_points(bool log)
{
    Sweep_result r{par_row_named("noise_to_signal"), log, 2, {}, true, 3};
    const float values[] = {log ? 0.1f : 0.0f, 1.0f, 10.0f};
    const int wrong[] = {0, 2, 4};
    for (int k = 0; k < 3; ++k) r.points.push_back({values[k], {{0, 8}, {wrong[k], 8}}});
    return r;
}

// The ends of the lines drawn with a pen of this colour and width 1.
std::vector<std::vector<int>> lines_in(const Record_canvas& c, Rgb colour)
{
    std::vector<std::vector<int>> v;
    for (const Record_canvas::Line& l : c.lines())
        if (l.pen == colour && l.pen_width == 1) v.push_back({l.x2, l.y2});
    return v;
}

} // namespace

TEST(Sweep_plot, LogAxesPlaceDecadesEvenlyAndZeroAtTheBottom)
{
    const Sweep_frame f = Sweep_frame::of(three_points(true), true, 600, 300);
    EXPECT_EQ(f.x_of(0.1), f.left);
    EXPECT_EQ(f.x_of(10.0), f.right);
    // The sweep starts at the float nearest 0.1, a little above: one pixel left, at most.
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
}

TEST(Sweep_plot, AStepWhoseCurveLiesOnAnEarlierOneSaysSoInTheLegend)
{
    Sweep_result r = three_points(false);
    r.steps = 3;
    for (Sweep_point& p : r.points) p.steps.push_back(p.steps[1]);
    Record_canvas box(600, 300);
    draw_sweep(box, r, false);
    EXPECT_THAT(box.texts(), Contains("step 3: interleaved bits (= 2)"));
}

TEST(Sweep_plot, CsvHasAHeaderAndOneLinePerPoint)
{
    Sweep_result r = three_points(false);
    const std::string body = "noise_to_signal,step1_wrong,step1_total,step2_wrong,step2_total\n"
                             "0,0,8,0,8\n1,0,8,2,8\n10,0,8,4,8\n";
    EXPECT_EQ(sweep_csv(r), body);
    r.complete = false;
    r.planned = 5;
    EXPECT_EQ(sweep_csv(r),
              "# error sweep over noise_to_signal: 3 of 5 points (cancelled)\n" + body);
}

TEST(Sweep_plot, AxisTicksFallOnOneTwoOrFiveTimesAPowerOfTen)
{
    using V = std::vector<double>;
    EXPECT_EQ(round_ticks(0.5f, 20.0f, 6), (V{5, 10, 15, 20}));
    EXPECT_EQ(round_ticks(0.0, 0.3, 8), (V{0.0, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3}));
    EXPECT_EQ(round_ticks(-1.0f, 1.5f, 5), (V{-1, -0.5, 0, 0.5, 1, 1.5}));
    EXPECT_EQ(log_ticks(0.1f, 10.0f, 6), (V{0.1, 0.2, 0.5, 1, 2, 5, 10}));
    EXPECT_EQ(log_ticks(1e-6, 1.0, 3), (V{1e-6, 1e-4, 0.01, 1}));
    EXPECT_EQ(log_ticks(3.0f, 4.0f, 6), (V{3, 3.2, 3.4, 3.6, 3.8, 4}));
}
