// Pictures of each step of the user flow, for a person to look at: written only when
// CDMA_SIM_PICTURES names a directory.
#include "analog/analog_mod.h"
#include "engine/stage_codes.h"
#include "tests/ui/ui_fixture.h"
#include "ui/get_plots.h"
#include "ui/parameter_btn.h"
#include "ui/progress_runner.h"
#include "ui/refusal_box.h"

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
}

// The places where a student used to get stuck or misled, as they look now.
TEST_F(Flow_pictures, DeadEndsAndMessages)
{
    const char* dir = std::getenv("CDMA_SIM_PICTURES");
    if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "set CDMA_SIM_PICTURES to a directory";
    main->resize(1032, 702);
    press_setup();
    click(picker().distort_par->button);
    click(main->Erase);
    save(*main, dir, "6_erase_with_menu_open.png");

    const size_t saved_block = Analog_mod::block_samples;
    Analog_mod::block_samples = 64;
    Progress_runner::cancel_hook = [](double) { return true; };
    click(picker().run);
    Progress_runner::cancel_hook = nullptr;
    Analog_mod::block_samples = saved_block;
    save(*main, dir, "7_cancelled_run.png");

    click(picker().run);
    main->set_result(", rcve step 1: 11 wrong out of 288 signals; t = 1234 sec");
    for (const Stage_code& s : stage_codes) main->view_item(s.code);
    main->view_item(1);
    click(picker().see_result);
    save(*main, dir, "8_long_result_and_cascade.png");

    const auto box = refusal_box(main.get(), "\"ADC: samples/chip; IQ branches 1 or 2 == only I or "
                                             "...\", 2nd field (iq_branches):\n3 is out of range: "
                                             "allowed are 1 (I only) and 2 (I and Q)");
    box->show();
    save(*box, dir, "9_refusal.png");
}
