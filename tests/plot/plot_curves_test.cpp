#include "plot/plot_curves.h"

#include "../fakes/record_canvas.h"

#include <gmock/gmock.h>

#include <cmath>
#include <vector>

using testing::Each;
using testing::ElementsAre;

namespace {

// The row of every column: each column is a step to (x, row), then a line to (x + 1, row).
std::vector<int> column_rows(const Record_canvas& c)
{
    std::vector<int> rows;
    int lines = 0;
    for (const Canvas_call& l : c.calls)
        if (l.op == "line_to" && lines++ % 2 == 0) rows.push_back(l.args[1]);
    return rows;
}

Curve_frame automatic()
{
    Curve_frame f;
    f.dx = 1.0f;
    f.y_lo = 1.0f;
    return f;
}

Value_source constant(float v)
{
    return [v](float, const Curve_frame&) { return v; };
}

TEST(Plot_curves, ZeroSourceDrawsFlatOnRow48PercentWithRangeMinusOneToOne)
{
    Plot_curves p;
    Curve_frame f = automatic();
    Record_canvas box(750, 128);
    p.plot(box, f, constant(0.0f));
    EXPECT_EQ(f.y_lo, -1.0f);
    EXPECT_EQ(f.y_hi, 1.0f);
    EXPECT_EQ(box.calls[0], (Canvas_call{"rectangle", {0, 0, 750, 128}, {}}));
    EXPECT_EQ(box.calls[1], (Canvas_call{"move_to", {1, 61}, {}})); // trunc(0.48 * 128)
    EXPECT_EQ(box.calls.size(), 2u + 2 * 749);                      // columns 0 .. 748
    EXPECT_THAT(column_rows(box), Each(61));
}

TEST(Plot_curves, PositiveSourceRangesFromZeroAndPutsTheZeroRowLow)
{
    Plot_curves p;
    Curve_frame f = automatic();
    Record_canvas box(100, 128);
    p.plot(box, f, [](float x, const Curve_frame&) { return 0.5f + x; });
    EXPECT_EQ(f.y_lo, 0.0f);
    EXPECT_EQ(f.y_hi, 98.5f);
    EXPECT_EQ(p.y_zero, 122);              // trunc(0.96 * 128)
    EXPECT_EQ(column_rows(box).back(), 4); // 0.92 * 128 above it: trunc(122 - 117.76)
}

TEST(Plot_curves, LogModeDrawsZeroAndNegativeValuesAtMinusTwo)
{
    Plot_curves p;
    Curve_frame f = automatic();
    f.log = 1.0f;
    Record_canvas box(4, 128);
    p.plot(box, f, [](float x, const Curve_frame&) {
        return x < 1.0f ? 0.0f : x < 2.0f ? -5.0f : 100.0f;
    });
    EXPECT_EQ(f.y_lo, -2.0f);
    EXPECT_EQ(f.y_hi, 2.0f);
    EXPECT_THAT(column_rows(box), ElementsAre(119, 119, 2)); // 61 -/+ 29.44 per decade
}

TEST(Plot_curves, GivenRangeIsKeptAndOverlayDoesNotClear)
{
    Plot_curves p;
    std::vector<float> asked;
    const Value_source src = [&asked](float x, const Curve_frame&) {
        asked.push_back(x);
        return 0.0f;
    };
    Curve_frame given{0.5f, 0.25f, -3.0f, 1.0f, 0.0f, overlay_flag, 0.0f, 0.0f};
    Record_canvas box(5, 100);
    p.plot(box, given, src);
    EXPECT_EQ(given.y_lo, -3.0f);
    EXPECT_THAT(asked, ElementsAre(0.5f, 0.75f, 1.0f, 1.25f)) << "once per column";
    EXPECT_EQ(box.calls[0].op, "move_to") << "no clearing rectangle";
}

TEST(Plot_curves, AxesDrawTicksOnTheBottomEdge)
{
    Plot_curves p;
    Curve_frame f = automatic();
    // Ticks at first + k spacing inside the box, at least 4 pixels long; one more at 1
    // when first equals the spacing. Those left of the box are not walked one by one.
    struct Row {
        int first, spacing;
        std::vector<int> ticks;
    };
    const std::vector<Row> rows = {{1, 1, {1, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                   {3, 3, {1, 3, 6, 9}},
                                   {-250, 2, {0, 2, 4, 6, 8}},
                                   {-7, 3, {2, 5, 8}}, // -7 + 3 * 3
                                   {-8, 5, {2, 7}}};   // -8 + 2 * 5
    Record_canvas low(10, 50);
    p.plot(low, f, constant(0.0f));
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.first << " by " << r.spacing);
        low.calls.clear();
        p.axes(r.first, r.spacing);
        EXPECT_EQ(low.ticks(4), r.ticks);
    }
}

TEST(Plot_curves, NonFiniteValuesAndDegenerateFramesDrawWithoutFault)
{
    Plot_curves p;
    const float values[] = {NAN, INFINITY, -INFINITY, 0.5f};
    Curve_frame f = automatic();
    Record_canvas box(5, 100);
    p.plot(box, f, [&values](float x, const Curve_frame&) { return values[static_cast<int>(x)]; });
    EXPECT_EQ(f.y_hi, 0.5f) << "only finite values are ranged";
    EXPECT_THAT(column_rows(box), ElementsAre(96, -65536, 100 + 65536, 4)); // NaN: zero row
    for (const int size : {0, -5}) {
        Curve_frame odd{0.0f, 1.0e38f, -INFINITY, INFINITY, 0.0f, 0.0f, 0.0f, 0.0f};
        Record_canvas any(size, size);
        p.plot(any, odd, [](float x, const Curve_frame&) { return x; });
        p.axes(0, 1);
    }
    Plot_curves fresh;
    fresh.axes(0, 100); // no box yet
}

} // namespace
