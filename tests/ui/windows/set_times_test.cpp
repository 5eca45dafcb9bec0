#include "ui/windows/set_times.h"

#include "plot/plot_ctrl.h"
#include "plot/plot_objects.h"
#include "tests/ui/windows/window_fixture.h"
#include "ui/plots/fourier_plot.h"
#include "ui/widgets/lr_spinner.h"

#include <QLineEdit>

#include <cmath>
#include <utility>
#include <vector>

using Set_times = Window_flow;

namespace {

struct Presses {
    const char* what;
    int bytes;
    std::vector<std::pair<char, int>> presses; // 'w'idth or 's'tart spinner, right if > 0
    float width;                               // microseconds
    float start;
    int width_steps;
    int start_steps;
};

// 36 bytes are sent in 20 ms.
constexpr float block_36_bytes = 20000.0f;
constexpr float block_3_bytes = block_36_bytes * 3.0f / 36.0f;

} // namespace

// Each press doubles or halves the width, or moves the start by one width; both stay
// within the block and twenty steps.
TEST_F(Set_times, SpinnersMoveTheWindowWithinTheBlock)
{
    const std::vector<Presses> rows = {
        {"width stops one step beyond the block", 36, {{'w', 9}}, block_36_bytes, 0.0f, 7, 0},
        {"and comes back from there", 36, {{'w', 9}, {'w', -1}}, 16000.0f, 0.0f, 6, 0},
        {"width stops at the narrowest", 3, {{'w', -18}}, 0.0051f, 0.0f, -16, 0},
        {"start steps kept as the width doubles", 36, {{'s', 3}, {'w', 1}}, 500.0f, 1500.0f, 1, 3},
        {"start clamped", 3, {{'s', 3}, {'w', 1}}, 500.0f, block_3_bytes - 500.0f, 1, 3},
        {"start stops at 0", 3, {{'s', 3}, {'w', 1}, {'s', -30}}, 500.0f, 0.0f, 1, 0},
        {"start stops at twenty steps", 36, {{'w', -4}, {'s', 25}}, 15.625f, 312.5f, -4, 20},
    };
    for (const Presses& r : rows) {
        SCOPED_TRACE(r.what);
        restart();
        setup_and_run(6, r.bytes);
        TSet_times& panel = *main->run_menu()->Set_times;
        for (const auto& [spinner, times] : r.presses)
            for (int i = 0; i < std::abs(times); ++i) {
                Lr_spinner* s = spinner == 'w' ? panel.UpDown1 : panel.UpDown2;
                times > 0 ? s->click_right() : s->click_left();
            }
        EXPECT_FLOAT_EQ(panel.window_width(), r.width);
        EXPECT_FLOAT_EQ(panel.window_start(), r.start);
        EXPECT_EQ(panel.UpDown1->position(), r.width_steps);
        EXPECT_EQ(panel.UpDown2->position(), r.start_steps);
    }
}

TEST_F(Set_times, FirstShowSetsTheBaseWindowAndAChangeRedrawsPlotsAndHidesViews)
{
    setup_and_run(6, 3);
    TSet_times& panel = *main->run_menu()->Set_times;
    EXPECT_EQ(panel.sel_range->text(),
              "l/r: scale the plot's time interval 0.5 or 2; actual value = 250.000 microsec");
    EXPECT_FLOAT_EQ(plot_ctrl.delta_t, 250.0f);
    click(picker().stage_button(1));
    click(picker().FFT);
    const QString before = plot_windows()[0]->windowTitle();
    panel.UpDown1->click_right();
    EXPECT_TRUE(main->fourier_plot(0)->isHidden());
    EXPECT_NE(plot_windows()[0]->windowTitle(), before);
}
