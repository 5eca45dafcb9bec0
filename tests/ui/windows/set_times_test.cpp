#include "ui/windows/set_times.h"

#include "plot/plot_ctrl.h"
#include "plot/plot_objects.h"
#include "tests/ui/ui_fixture.h"
#include "ui/plots/fourier_plot.h"
#include "ui/widgets/lr_spinner.h"

#include <QLineEdit>

#include <cmath>

using Set_times = Ui_flow;

namespace {

void press(Lr_spinner* s, int times)
{
    for (int i = 0; i < std::abs(times); ++i) times > 0 ? s->click_right() : s->click_left();
}

} // namespace

TEST_F(Set_times, FirstShowSetsTheBaseWindow)
{
    setup_and_run(6, 3);
    const TSet_times& panel = *main->run_menu()->Set_times;
    EXPECT_FLOAT_EQ(panel.window_width(), 250.0f);
    EXPECT_FLOAT_EQ(panel.window_start(), 0.0f);
    EXPECT_EQ(panel.sel_range->text(),
              "l/r: scale the plot's time interval 0.5 or 2; actual value = 250.000 microsec");
    EXPECT_FLOAT_EQ(plot_ctrl.delta_t, 250.0f);
}

TEST_F(Set_times, WidthStopsOneStepBeyondTheBlock)
{
    setup_and_run(6, 36);
    TSet_times& panel = *main->run_menu()->Set_times;
    press(panel.UpDown1, 6);
    EXPECT_FLOAT_EQ(panel.window_width(), 16000.0f);
    press(panel.UpDown1, 3);
    EXPECT_FLOAT_EQ(panel.window_width(), panel.block_duration());
    EXPECT_EQ(panel.UpDown1->position(), 7);
    press(panel.UpDown1, -1);
    EXPECT_FLOAT_EQ(panel.window_width(), 16000.0f);
}

TEST_F(Set_times, WidthStopsAtTheNarrowestWindow)
{
    setup_and_run(6, 3);
    TSet_times& panel = *main->run_menu()->Set_times;
    press(panel.UpDown1, -15);
    EXPECT_NEAR(panel.window_width(), 250.0 / 32768.0, 1e-7);
    press(panel.UpDown1, -3);
    EXPECT_FLOAT_EQ(panel.window_width(), 0.0051f);
    EXPECT_EQ(panel.UpDown1->position(), -16);
}

TEST_F(Set_times, StartKeepsItsStepCountWhenTheWidthDoubles)
{
    setup_and_run(6, 36);
    TSet_times& panel = *main->run_menu()->Set_times;
    press(panel.UpDown2, 3);
    EXPECT_FLOAT_EQ(panel.window_start(), 750.0f);
    press(panel.UpDown1, 1);
    EXPECT_FLOAT_EQ(panel.window_start(), 1500.0f);
}

TEST_F(Set_times, StartIsClampedToTheLastWholeWindow)
{
    setup_and_run(6, 3);
    TSet_times& panel = *main->run_menu()->Set_times;
    press(panel.UpDown2, 3);
    press(panel.UpDown1, 1);
    EXPECT_FLOAT_EQ(panel.window_start(), panel.block_duration() - 500.0f);
    press(panel.UpDown2, -30);
    EXPECT_FLOAT_EQ(panel.window_start(), 0.0f);
    EXPECT_EQ(panel.UpDown2->position(), 0);
}

TEST_F(Set_times, SpinnersStayWithinTwentySteps)
{
    setup_and_run(6, 36);
    TSet_times& panel = *main->run_menu()->Set_times;
    press(panel.UpDown1, -4); // 15.625 us: 1280 windows in the block
    press(panel.UpDown2, 25);
    EXPECT_EQ(panel.UpDown2->position(), 20);
    EXPECT_FLOAT_EQ(panel.window_start(), 20.0f * panel.window_width());
}

TEST_F(Set_times, WindowChangeRedrawsPlotsAndHidesViews)
{
    setup_and_run(6, 3);
    main->view_item(1);
    main->fourier_plot(0)->show();
    const QString before = plot_windows()[0]->windowTitle();
    press(main->run_menu()->Set_times->UpDown1, 1);
    EXPECT_TRUE(main->fourier_plot(0)->isHidden());
    EXPECT_NE(plot_windows()[0]->windowTitle(), before);
}
