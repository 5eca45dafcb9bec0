#include "ui/views/viterbi_decoder.h"

#include "engine/elements.h"
#include "engine/headless_screen.h"
#include "tests/ui/ui_fixture.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"

#include <QLabel>

using Viterbi_decoder = Ui_flow;

namespace {

bool shown(const QWidget* w) { return !w->isHidden(); }

} // namespace

TEST_F(Viterbi_decoder, OpensWithOnlyTheTwoViewButtons)
{
    setup_and_run(2, 3);
    click(picker().en_decoder);
    TViterbi_decoder& v = *main->viterbi_decoder();
    EXPECT_TRUE(shown(&v));
    EXPECT_EQ(v.geometry(), QRect(4, 350, 1011, 356));
    EXPECT_TRUE(shown(v.encoder));
    EXPECT_TRUE(shown(v.decoder));
    for (const QWidget* w : {static_cast<QWidget*>(v.title), static_cast<QWidget*>(v.caption),
                             static_cast<QWidget*>(v.data), static_cast<QWidget*>(v.conv_enc),
                             static_cast<QWidget*>(v.proceed)})
        EXPECT_FALSE(shown(w));
    EXPECT_TRUE(main->error_line()->isHidden());
}

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

TEST_F(Viterbi_decoder, DecoderClicksAdvanceAndARepaintKeepsTheStep)
{
    setup_and_run(2, 3);
    click(picker().en_decoder);
    TViterbi_decoder& v = *main->viterbi_decoder();
    click(v.decoder);
    EXPECT_EQ(v.title->text(), "Subsequent steps of the Viterbi decoding of an r=1/2, K=3 "
                               "encoded signal (correctly 0 0 terminated if 24 bits are sent)");
    EXPECT_TRUE(shown(v.trellis1));
    EXPECT_EQ(v.proceed->geometry(), QRect(880, 0, 113, 25));
    for (int k = 0; k < 5; ++k) click(v.proceed);
    EXPECT_EQ(v.decoder_view.step, 5);
    const QImage before = v.trellis2->image.copy();
    v.hide();
    v.show();
    v.repaint();
    EXPECT_EQ(v.decoder_view.step, 5);
    EXPECT_EQ(v.trellis2->grab().toImage().convertToFormat(QImage::Format_RGB32), before);
}

TEST_F(Viterbi_decoder, EncoderViewCyclesItsCaptions)
{
    setup_and_run(2, 3);
    click(picker().en_decoder);
    TViterbi_decoder& v = *main->viterbi_decoder();
    click(v.encoder);
    EXPECT_EQ(v.title->text(), "Convolutional encoder, r=1/2, K=3");
    EXPECT_EQ(v.proceed->text(), "click to view the encoder state after loading a bit in the "
                                 "first of two clock cycles ");
    EXPECT_EQ(v.proceed->geometry(), QRect(350, 0, 600, 25));
    click(v.proceed);
    EXPECT_EQ(v.proceed->text(),
              "click to shows the two output bits of the decoder after the first clock cycle");
    click(v.proceed);
    EXPECT_EQ(v.proceed->text(),
              "click to view the encoder state after the 2nd clock cycle where all bits are "
              "shifted and the result is clocked out");
    // "sequence": bit 0 is 0, so the first pair is 00.
    EXPECT_EQ(v.encoder_view.out_line, "00");
    v.hide();
    v.show();
    EXPECT_EQ(v.encoder_view.step, 1);
}

TEST_F(Viterbi_decoder, HiddenByItsBackgroundAndByErase)
{
    setup_and_run(2, 3);
    click(picker().en_decoder);
    TViterbi_decoder& v = *main->viterbi_decoder();
    QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(2, 300));
    EXPECT_TRUE(v.isHidden());
    click(picker().en_decoder);
    click(main->erase_button());
    EXPECT_TRUE(v.isHidden());
}
