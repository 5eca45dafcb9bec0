// Pictures of each step of the user flow, for a person to look at: written only when
// CDMA_SIM_PICTURES names a directory.
#include "tests/ui/ui_fixture.h"
#include "ui/get_plots.h"
#include "ui/fourier_plot.h"
#include "ui/help_window.h"
#include "ui/paint_box.h"
#include "ui/parameter_btn.h"
#include "ui/signal_plot.h"
#include "ui/run_extras.h"
#include "ui/sweep_dialog.h"
#include "ui/sweep_window.h"

#include <QCheckBox>
#include "engine/par_rows.h"

#include <QDir>

#include <cstdlib>

using Flow_pictures = Ui_flow;

namespace {

void save(QWidget& w, const QString& dir, const char* name)
{
    QCoreApplication::processEvents();
    w.grab().save(QDir(dir).filePath(name));
}

} // namespace

TEST_F(Flow_pictures, EveryStepOfTheFlow)
{
    const char* dir = std::getenv("CDMA_SIM_PICTURES");
    if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "set CDMA_SIM_PICTURES to a directory";
    main->resize(1032, 702);
    save(*main, dir, "1_start.png");
    click(main->start_menu->analog_par->button);
    save(*main, dir, "2_parameter_menu.png");
    main->show_menu_buttons();
    press_setup();
    save(*main, dir, "3_run_menu.png");
    click(picker().run);
    save(*main, dir, "4_after_run.png");
    for (int code : {1, 106, -10, -106}) main->view_item(code);
    click(picker().FFT);
    click(picker().see_result);
    save(*main, dir, "5_plots.png");
    auto& last = dynamic_cast<TSignal_plot&>(*plot_windows().back());
    QTest::mouseMove(last.bits, QPoint(300, 60));
    save(*main, dir, "5a_read_out_plot.png");
    QTest::mouseMove(main->Fourier_plot1->Fourier, QPoint(40, 60));
    save(*main, dir, "5b_read_out.png");
    TRun_extras::ask_plan = [](QWidget*) {
        return Sweep_plan{par_row_named("noise_to_signal"), 0.0f, 20.0f, 12, false};
    };
    click(main->run_menu->Run_extras->error_sweep);
    TRun_extras::ask_plan = nullptr;
    save(*main, dir, "6_sweep.png");
    main->run_menu->Run_extras->last_window()->log_y->setChecked(true);
    save(*main->run_menu->Run_extras->last_window(), dir, "6b_sweep_log.png");
    TSweep_dialog dialog(main.get());
    dialog.show();
    save(dialog, dir, "7_sweep_dialog.png");
    save(*THelp_window::open(main.get()), dir, "8_help.png");
}
