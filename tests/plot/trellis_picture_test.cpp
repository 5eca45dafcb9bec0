#include "plot/trellis_picture.h"

#include "engine/conv_code.h"
#include "tests/engine/chain_fixture.h"
#include "tests/fakes/record_canvas.h"

#include <gmock/gmock.h>

using testing::ElementsAreArray;

namespace {

using Line = Record_canvas::Line;

// Lines drawn with a pen of the given width.
std::vector<Line> lines(const Record_canvas& c, int pen_width)
{
    std::vector<Line> out;
    for (const Line& l : c.lines())
        if (l.pen_width == pen_width) out.push_back(l);
    return out;
}

class Trellis_run : public testing::Test {
protected:
    Trellis_picture view;
    Record_canvas upper{993, 95};
    Record_canvas lower{997, 96};
    Record_canvas table{993, 120};

    void SetUp() override
    {
        setup_fresh_chain(2, 3);
        run_once();
        view.data_paint(table, *stage_table[0], *stage_table[2]);
    }

    void clicks(int n)
    {
        for (int k = 0; k < n; ++k) {
            upper.calls.clear();
            lower.calls.clear();
            view.proceed(conv_code, upper, lower, table);
        }
    }

    const std::array<std::string, Trellis_picture::nr_bits>& row(int r) const
    {
        return view.cells[static_cast<size_t>(r)];
    }
};

int written(const std::array<std::string, Trellis_picture::nr_bits>& row)
{
    int n = 0;
    for (const std::string& s : row) n += s.empty() ? 0 : 1;
    return n;
}

} // namespace

TEST_F(Trellis_run, DataTableRowsAndReceivedValues)
{
    EXPECT_EQ(written(row(Trellis_picture::in0)), 24);
    EXPECT_EQ(written(row(Trellis_picture::org)), 24);
    EXPECT_EQ(written(row(Trellis_picture::dec)), 0);
    // "sequence" starts with 's' = 0x73: 0 1 1 1 0 0 1 1
    const std::vector<std::string> first(row(Trellis_picture::org).begin(),
                                         row(Trellis_picture::org).begin() + 8);
    EXPECT_THAT(first, ElementsAreArray({"0", "1", "1", "1", "0", "0", "1", "1"}));
}

// Click 1 draws bits 0 and 1, each next click one bit more; click 24 starts again at bit 0.
TEST_F(Trellis_run, ClicksWalkTheBitsUntilOnlyPathsIntoStateZeroReachTheEnd)
{
    clicks(1);
    // Step 0 writes only the first two deviations; the lower box holds bit 1, all states.
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(row(Trellis_picture::dsq0 + j)[0].empty(), j >= 2) << j;
        EXPECT_FALSE(row(Trellis_picture::dsq0 + j)[1].empty()) << j;
    }

    clicks(22);
    // Bit 23 writes only state 0's deviation, and only lines into state 0 reach the end.
    for (int j = 0; j < 4; ++j) EXPECT_EQ(row(Trellis_picture::dsq0 + j)[23].empty(), j > 0) << j;
    int into_last = 0;
    for (const Line& s : lines(lower, 3))
        if (s.x1 == Trellis_picture::node_x(23)) {
            ++into_last;
            EXPECT_EQ(s.x2, Trellis_picture::node_x(24));
            EXPECT_EQ(s.y2, Trellis_picture::node_y(0));
        }
    EXPECT_GT(into_last, 0);
    // A clean channel: the decoded bits are the sent ones.
    EXPECT_THAT(row(Trellis_picture::dec), ElementsAreArray(row(Trellis_picture::org)));

    clicks(1);
    for (const Line& s : lines(lower, 3)) EXPECT_LT(s.x1, Trellis_picture::node_x(1));
    bool upper_reaches_end = false;
    for (const Line& s : lines(upper, 3))
        upper_reaches_end = upper_reaches_end || s.x2 == Trellis_picture::node_x(24);
    EXPECT_TRUE(upper_reaches_end);
    EXPECT_EQ(view.step, 0);
}

TEST(Trellis_picture, NoRunAfterSettingUpAgain)
{
    setup_fresh_chain(2, 3);
    run_once();
    EXPECT_TRUE(Trellis_picture::run_available());
    setup_fresh_chain(6, 9);
    EXPECT_FALSE(Trellis_picture::run_available());
    setup_fresh_chain(1, 3);
    run_once();
    EXPECT_FALSE(Trellis_picture::run_available()); // one stage: no interleaver
}

// Counts below three rounds are drawn in full; larger ones, the command line's 100000
// among them, are cut to two rounds and the rest.
TEST(Trellis_picture, ClicksFromThreeRoundsOnAreCutToTwoRoundsAndTheRest)
{
    for (const auto& [clicks, drawn] : {std::pair{0, 0}, {71, 71}, {72, 48}, {100000, 64}})
        EXPECT_EQ(Trellis_picture::clicks_to_draw(clicks), drawn) << clicks;
}
