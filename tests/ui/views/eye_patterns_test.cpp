#include "ui/views/eye_patterns.h"

#include "tests/ui/ui_fixture.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"

#include <QLabel>

using Eye_patterns = Ui_flow;

namespace {

// The picture holds something besides white.
bool drawn(const QImage& image) { return !white_from_row(image, 0); }

} // namespace

TEST_F(Eye_patterns, RedButtonShowsTheViewInItsPlace)
{
    setup_and_run();
    TEye_patterns& eye = *main->eye_patterns();
    EXPECT_TRUE(eye.isHidden());
    click(picker().eye);
    EXPECT_FALSE(eye.isHidden());
    EXPECT_EQ(eye.geometry(), QRect(8, 350, 260, 276));
    EXPECT_EQ(eye.plot->size(), QSize(176, 215));
    EXPECT_TRUE(main->error_line()->isHidden()) << "no 'not part of this version' line";
    EXPECT_EQ(eye.caption->text(), "eye pattern (rcve, I - running plot)");
    EXPECT_EQ(eye.caption2->text(), "(triggered at  the baseband frequency)");
}

TEST_F(Eye_patterns, OptionButtonsRewriteTheCaption)
{
    setup_and_run();
    TEye_patterns& eye = *main->eye_patterns();
    click(picker().eye);
    click(eye.xmit_rcve);
    EXPECT_EQ(eye.caption->text(), "eye pattern (xmit, I - running plot)");
    click(eye.I_Q);
    click(eye.run_sum);
    EXPECT_EQ(eye.caption->text(), "eye pattern (xmit, Q - summing plot)");
    click(eye.xmit_rcve);
    EXPECT_EQ(eye.caption->text(), "eye pattern (rcve, Q - summing plot)");
}

TEST_F(Eye_patterns, StartWithoutARunAsksForOneAndDrawsNothing)
{
    press_setup();
    TEye_patterns& eye = *main->eye_patterns();
    eye.show();
    const QImage before = eye.plot->image;
    click(eye.start);
    EXPECT_FALSE(main->error_line()->isHidden());
    EXPECT_EQ(main->error_line()->text(), "the eye pattern needs a run first: press 'xmit/rcve'");
    EXPECT_EQ(eye.plot->image, before);
}

TEST_F(Eye_patterns, DrawnEyeStaysWhileHiddenAndIsClearedByANewRun)
{
    setup_and_run();
    TEye_patterns& eye = *main->eye_patterns();
    click(picker().eye);
    click(eye.start);
    ASSERT_TRUE(drawn(eye.plot->image));
    const QImage picture = eye.plot->image;
    main->clear_display(TMain_screen::eye_view);
    EXPECT_TRUE(eye.isHidden());
    click(picker().eye);
    EXPECT_EQ(eye.plot->image, picture);
    EXPECT_EQ(eye.plot->grab().toImage().convertToFormat(QImage::Format_RGB32), picture);
    // A parameter set confirmed (which hides the view) gives the run button back.
    click(picker().analog_par->button);
    main->parameter_menu()->set_quitClick();
    click(picker().run);
    click(picker().eye);
    EXPECT_FALSE(drawn(eye.plot->image));
}

// A Q left from two branches: once one branch is set, the caption names the I that
// "start" draws.
TEST_F(Eye_patterns, CaptionNamesTheBranchThatStartDraws)
{
    setup_and_run();
    TEye_patterns& eye = *main->eye_patterns();
    click(picker().eye);
    click(eye.I_Q);
    EXPECT_EQ(eye.caption->text(), "eye pattern (rcve, Q - running plot)");
    main->clear_display(TMain_screen::eye_view); // as the parameter menu does
    analog_pars().iq_branches = 1.0f;
    click(picker().eye);
    EXPECT_EQ(eye.caption->text(), "eye pattern (rcve, I - running plot)");
}

TEST_F(Eye_patterns, ClickOnTheBackgroundHidesTheViewButNotOnThePlot)
{
    setup_and_run();
    TEye_patterns& eye = *main->eye_patterns();
    click(picker().eye);
    QTest::mouseClick(eye.plot, Qt::LeftButton);
    EXPECT_FALSE(eye.isHidden());
    QTest::mouseClick(&eye, Qt::LeftButton, {}, QPoint(250, 270));
    EXPECT_TRUE(eye.isHidden());
}

TEST_F(Eye_patterns, CancelledStartKeepsTheOldPicture)
{
    setup_and_run();
    TEye_patterns& eye = *main->eye_patterns();
    click(picker().eye);
    const QImage before = eye.plot->image;
    Progress_runner::cancel_hook = [](double) { return true; };
    click(eye.start);
    Progress_runner::cancel_hook = nullptr;
    EXPECT_EQ(eye.plot->image, before);
    EXPECT_TRUE(main->error_line()->isHidden());
}
