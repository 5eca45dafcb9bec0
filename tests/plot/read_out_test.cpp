#include "plot/read_out.h"

#include "engine/number_text.h"
#include "engine/stage_codes.h"
#include "plot/plot_ctrl.h"
#include "plot/plot_objects.h"
#include "plot/time_base.h"
#include "tests/engine/chain_fixture.h"
#include "tests/fakes/record_canvas.h"

#include <gmock/gmock.h>

// 0.4 samples per microsecond: column 2 at 5 us reads sample 2; spectrum entry 2 lies at
// 2 x 0.25 MHz. Columns outside the drawing read nothing.
TEST(Read_out, ColumnsShowTimeSampleAndValueOrFrequencyAndLevel)
{
    const std::vector<float> t{0.0f, 2.5f, 5.0f};
    const std::vector<float> v{-1.0f, 1.0f, 0.25f};
    EXPECT_EQ(signal_read_out(t, v, 0.4f, 2), "t = 5 \xC2\xB5s, sample 2, value 0.25");
    EXPECT_EQ(signal_read_out(t, v, 0.0f, 1), "t = 2.5 \xC2\xB5s, value 1");
    EXPECT_EQ(signal_read_out(t, v, 0.4f, 3), "");
    EXPECT_EQ(signal_read_out(t, v, 0.4f, -1), "");
    const Drawn_spectrum s{{4.0f, 0.5f, 0.125f}, 0.25};
    EXPECT_EQ(spectrum_read_out(s, 2), "f = 0.5 MHz, level 0.125");
    EXPECT_EQ(spectrum_read_out(s, 3), "");
}

// The read-out of a drawn plot gives, at each column, the value the plot drew there.
TEST(Read_out, ReadsTheValuesTheSignalPlotDrew)
{
    setup_fresh_chain(6, 3);
    run_once();
    float total = 0.0f;
    time_base(1, &total, nullptr);
    float window = 250.0f, start = 0.0f;
    time_base(2, &window, &start);
    Record_canvas box(750, 128);
    draw_signal_plot(1, box);
    const std::vector<float> t = plot_ctrl.drawn_t, v = plot_ctrl.drawn_values;
    ASSERT_GT(v.size(), 700u);
    for (int x : {0, 1, 100, 377, 700}) {
        // The value the plot control returns for that column's time, evaluated anew.
        Curve_frame frame;
        frame.rate = plot_ctrl.rate;
        const float again = plot_ctrl.sample_at(t[static_cast<size_t>(x)], frame);
        EXPECT_THAT(signal_read_out(t, v, plot_ctrl.rate, x),
                    testing::EndsWith("value " + significant_text(static_cast<double>(again), 6)))
            << x;
    }
}
