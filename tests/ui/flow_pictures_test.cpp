// Pictures of each step of the user flow, for a person to look at: written only when
// CDMA_SIM_PICTURES names a directory.
#include "tests/ui/ui_fixture.h"
#include "ui/bp_plots.h"
#include "ui/eye_patterns.h"
#include "ui/get_plots.h"
#include "ui/parameter_btn.h"

#include <QDir>
#include <QLineEdit>

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

// The eye pattern in each mode and the band-pass explorer with each test signal.
TEST_F(Flow_pictures, TeachingViews)
{
    const char* dir = std::getenv("CDMA_SIM_PICTURES");
    if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "set CDMA_SIM_PICTURES to a directory";
    main->resize(1032, 702);
    setup_and_run(6, 36);
    click(picker().eye);
    TEye_patterns& eye = *main->Eye_patterns;
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
    TBp_plots& bp = *main->Bp_plots;
    click(bp.show);
    save(*main, dir, "10_bandpass_chirp.png");
    bp.mode->setText("2");
    click(bp.show);
    save(*main, dir, "11_bandpass_tones.png");
}
