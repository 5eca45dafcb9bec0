#include "ui/views/viterbi_decoder.h"

#include "engine/elements.h"
#include "engine/headless_screen.h"
#include "tests/ui/ui_fixture.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"

using Viterbi_decoder = Ui_flow;

TEST_F(Viterbi_decoder, NeedsARunOfTwoStagesSetUpAsItRan)
{
    setup_and_run(2, 3);
    // The chain set up again since, with one stage: the buffers the view reads are gone.
    apply_start_pars(1, 3);
    Headless_screen screen;
    ASSERT_TRUE(setup_chain(screen));
    click(picker().en_decoder);
    EXPECT_TRUE(main->viterbi_decoder()->isHidden());
    EXPECT_EQ(main->error_line()->text(), TViterbi_decoder::run_needed);
}

// Clicks on "proceed" step the encoder or the decoder on; hiding and showing the view
// again keeps the step and the picture.
TEST_F(Viterbi_decoder, ClicksStepOnAndARepaintKeepsTheStep)
{
    setup_and_run(2, 3);
    click(picker().en_decoder);
    TViterbi_decoder& v = *main->viterbi_decoder();
    struct Row {
        const char* name;
        QPushButton* view_button;
        int clicks;
        const int* step;
        int expected;
        Paint_box* picture;
    };
    const std::vector<Row> rows = {
        {"encoder", v.encoder, 2, &v.encoder_view.step, 1, v.conv_enc},
        {"decoder", v.decoder, 5, &v.decoder_view.step, 5, v.trellis2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        click(r.view_button);
        for (int k = 0; k < r.clicks; ++k) click(v.proceed);
        EXPECT_EQ(*r.step, r.expected);
        const QImage before = r.picture->image.copy();
        v.hide();
        v.show();
        v.repaint();
        EXPECT_EQ(*r.step, r.expected);
        EXPECT_EQ(r.picture->grab().toImage().convertToFormat(QImage::Format_RGB32), before);
    }
}
