// Pictures of each step of the user flow, for a person to look at: written only when
// CDMA_SIM_PICTURES names a directory.
#include "analog/analog_mod.h"
#include "engine/par_rows.h"
#include "engine/stage_codes.h"
#include "tests/ui/ui_fixture.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/sweep_dialog.h"
#include "ui/plots/fourier_plot.h"
#include "ui/plots/signal_plot.h"
#include "ui/plots/sweep_window.h"
#include "ui/views/bp_plots.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"
#include "ui/widgets/refusal_box.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/help_window.h"
#include "ui/windows/run_extras.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

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
    click(main->start_menu()->analog_par->button);
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
    QTest::mouseMove(main->fourier_plot(0)->Fourier, QPoint(40, 60));
    save(*main, dir, "5b_read_out.png");
    TRun_extras::ask_plan = [](QWidget*, const std::optional<Sweep_plan>&) {
        return Sweep_plan{par_row_named("noise_to_signal"), 0.0f, 20.0f, 12, false};
    };
    click(main->run_menu()->Run_extras->error_sweep);
    TRun_extras::ask_plan = nullptr;
    save(*main, dir, "x1_sweep.png");
    main->run_menu()->Run_extras->last_window()->log_y->setChecked(true);
    save(*main->run_menu()->Run_extras->last_window(), dir, "x2_sweep_log.png");
    TSweep_dialog dialog(main.get());
    dialog.show();
    save(dialog, dir, "x3_sweep_dialog.png");
    save(*THelp_window::open(main.get()), dir, "x4_help.png");
}

TEST_F(Flow_pictures, EncoderAndDecoderViews)
{
    const char* dir = std::getenv("CDMA_SIM_PICTURES");
    if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "set CDMA_SIM_PICTURES to a directory";
    main->resize(1032, 702);
    setup_and_run(6, 3);
    click(picker().en_decoder);
    save(*main, dir, "v1_visualizer_opened.png");
    TViterbi_decoder& v = *main->viterbi_decoder();
    click(v.encoder);
    save(*main, dir, "v2_encoder_start.png");
    click(v.proceed);
    save(*main, dir, "v3_encoder_loaded.png");
    click(v.proceed);
    save(*main, dir, "v4_encoder_yields.png");
    for (int k = 0; k < 7; ++k) click(v.proceed);
    save(*main, dir, "v5_encoder_bit_3.png");
    click(picker().en_decoder);
    click(v.decoder);
    save(*main, dir, "v6_decoder_start.png");
    click(v.proceed);
    save(*main, dir, "v7_decoder_click_1.png");
    for (int k = 0; k < 11; ++k) click(v.proceed);
    save(*main, dir, "v8_decoder_click_12.png");
    for (int k = 0; k < 11; ++k) click(v.proceed);
    save(*main, dir, "v9_decoder_click_23.png");
    click(v.proceed);
    save(*main, dir, "v10_decoder_click_24.png");
}

TEST_F(Flow_pictures, SpreadingFunctionExplorer)
{
    const char* dir = std::getenv("CDMA_SIM_PICTURES");
    if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "set CDMA_SIM_PICTURES to a directory";
    main->resize(1032, 702);
    setup_and_run(6, 3);
    TSpreading_fcts& s = *main->spreading_fcts();
    click(picker().Walsh);
    save(*main, dir, "s1_walsh_opened.png");
    s.input1->setText("5");
    s.input2->setText("6");
    click(s.multiply);
    save(*main, dir, "s2_walsh_5x6.png");
    s.input3->setText("70");
    click(s.correlate);
    save(*main, dir, "s3_walsh_correlate_70.png");
    click(picker().PN_I);
    s.input4->setText("100000");
    click(s.max_nr);
    save(*main, dir, "s4_pn_i_count.png");
    s.input1->setText("3");
    s.input2->setText("3");
    click(s.multiply);
    save(*main, dir, "s5_pn_i_3x4.png");
    s.input3->setText("3");
    click(s.correlate);
    save(*main, dir, "s6_pn_i_correlate.png");
    click(s.show_gen);
    save(*main, dir, "s7_pn_i_generators.png");
    click(s.show_gen);
    save(*main, dir, "s8_pn_i_generators_stepped.png");
    click(picker().PN_U);
    s.input1->setText("4398046511000");
    s.input2->setText("-1");
    click(s.show_gen);
    save(*main, dir, "s9_pn_u_generators.png");
    click(picker().PN_Q);
    s.input4->setText("1000000");
    click(s.max_nr);
    click(s.pn_timing);
    save(*main, dir, "s10_pn_q_timing.png");
    s.input2->setText("x1");
    click(s.multiply);
    save(*main, dir, "s11_refused_entry.png");
}

// The eye pattern in each mode and the band-pass explorer with each test signal.
TEST_F(Flow_pictures, TeachingViews)
{
    const char* dir = std::getenv("CDMA_SIM_PICTURES");
    if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "set CDMA_SIM_PICTURES to a directory";
    main->resize(1032, 702);
    setup_and_run(6, 36);
    click(picker().eye);
    TEye_patterns& eye = *main->eye_patterns();
    const char* names[4] = {"6_eye_rcve_I_running.png", "7_eye_rcve_Q_summing.png",
                            "8_eye_xmit_Q_summing.png", "9_eye_xmit_I_running.png"};
    QPushButton* toggles[4] = {nullptr, eye.I_Q, eye.xmit_rcve, eye.I_Q};
    for (int k = 0; k < 4; ++k) {
        if (toggles[k] != nullptr) click(toggles[k]);
        if (k == 1) click(eye.run_sum);
        if (k == 3) click(eye.run_sum);
        click(eye.start);
        save(*main, dir, names[k]);
    }
    click(picker().bp_filter);
    TBp_plots& bp = *main->bp_plots();
    click(bp.show);
    save(*main, dir, "10_bandpass_chirp.png");
    bp.mode->setText("2");
    click(bp.show);
    save(*main, dir, "11_bandpass_tones.png");
}

// The places where a student used to get stuck or misled, as they look now.
TEST_F(Flow_pictures, DeadEndsAndMessages)
{
    const char* dir = std::getenv("CDMA_SIM_PICTURES");
    if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "set CDMA_SIM_PICTURES to a directory";
    main->resize(1032, 702);
    press_setup();
    click(picker().distort_par->button);
    click(main->erase_button());
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
