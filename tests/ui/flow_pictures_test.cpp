// Pictures of each step of the user flow, for a person to look at: written only when
// CDMA_SIM_PICTURES names a directory.
#include "tests/ui/ui_fixture.h"
#include "ui/get_plots.h"
#include "ui/parameter_btn.h"
#include "ui/viterbi_decoder.h"

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

TEST_F(Flow_pictures, EncoderAndDecoderViews)
{
    const char* dir = std::getenv("CDMA_SIM_PICTURES");
    if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "set CDMA_SIM_PICTURES to a directory";
    main->resize(1032, 702);
    setup_and_run(6, 3);
    click(picker().en_decoder);
    save(*main, dir, "v1_visualizer_opened.png");
    TViterbi_decoder& v = *main->Viterbi_decoder;
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
