#include "ui/windows/run_extras.h"

#include "engine/par_rows.h"
#include "tests/engine/chain_fixture.h"
#include "tests/ui/windows/window_fixture.h"
#include "ui/plots/sweep_window.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/save_dialog.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

using testing::ElementsAreArray;

namespace {

class Run_extras : public Window_flow {
protected:
    void SetUp() override
    {
        Window_flow::SetUp();
        setup_and_run();
        TRun_extras::ask_plan = [this](QWidget*, const std::optional<Sweep_plan>& last) {
            offered = last;
            return plan;
        };
    }
    TRun_extras& extras() { return *main->run_menu()->Run_extras; }

    Sweep_plan plan{par_row_named("noise_to_signal"), 0.0f, 30.0f, 4, false};
    std::optional<Sweep_plan> offered; // what the dialog would have opened with
};

} // namespace

// A sweep's window shows its points and leaves the plots and the chain as they were; the
// dialog opens with the plan asked for last.
TEST_F(Run_extras, SweepWindowsLeaveTheChainAndTheDialogOffersTheLastPlan)
{
    click(picker().stage_button(-106));
    const std::vector<std::uint32_t> before = chain_bits();
    click(extras().error_sweep);
    const TSweep_window* w = extras().last_window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->result().points.size(), 4u);
    EXPECT_EQ(w->result().steps, 6);
    EXPECT_THAT(chain_bits(), ElementsAreArray(before));
    EXPECT_EQ(plot_windows().size(), 1);
    EXPECT_FALSE(offered);

    plan.points = 2;
    click(extras().error_sweep);
    ASSERT_TRUE(offered);
    EXPECT_EQ(offered->to, 30.0);
}

TEST_F(Run_extras, TheSweepWindowSavesItsValuesAndPicture)
{
    plan.points = 2;
    click(extras().error_sweep);
    TSweep_window* w = extras().last_window();
    ASSERT_NE(w, nullptr);
    QTemporaryDir dir;
    const QString csv = dir.filePath("sweep.csv");
    const QString png = dir.filePath("sweep.png");
    Save_dialog::choose = [&](QWidget*, const QString&, const QString& name, const QString&) {
        return name.endsWith("csv") ? csv : png;
    };
    click(w->save_values);
    click(w->save_picture);
    QFile values(csv);
    ASSERT_TRUE(values.open(QIODevice::ReadOnly));
    EXPECT_EQ(values.readAll().toStdString(), sweep_csv(w->result()));
    EXPECT_FALSE(QImage(png).isNull());
}
