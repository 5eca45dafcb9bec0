#include "plot/time_base.h"

#include "../engine/chain_fixture.h"
#include "plot/plot_objects.h"

#include <gtest/gtest.h>

// 8 bits per byte at 14400 bits/s; the window goes to the plot control, which empties its
// spectrum capture.
TEST(Time_base, GivesBlockDurationAndHandsTheWindowToThePlotControl)
{
    float t = 0.0f;
    setup_fresh_chain(0, 3);
    EXPECT_EQ(time_base(1, &t, nullptr), 24);
    EXPECT_NEAR(t, 1666.7f, 0.05f); // quoted to one decimal
    setup_fresh_chain(0, 36);
    EXPECT_EQ(time_base(1, &t, nullptr), 288);
    EXPECT_FLOAT_EQ(t, 20000.0f);
    float width = 250.0f;
    float start = 125.0f;
    plot_ctrl.fft_count = 7;
    time_base(2, &width, &start);
    EXPECT_EQ(plot_ctrl.t_total, 20000.0f);
    EXPECT_EQ(plot_ctrl.delta_t, 250.0f);
    EXPECT_EQ(plot_ctrl.t_zero, 125.0f);
    EXPECT_EQ(plot_ctrl.fft_count, 0);
}
