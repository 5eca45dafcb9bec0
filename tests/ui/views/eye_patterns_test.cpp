#include "ui/views/eye_patterns.h"

#include "tests/ui/ui_fixture.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"

#include <QLabel>

using Eye_patterns = Ui_flow;

// A Q chosen with two branches is named I once one branch is set, since I is what "start"
// then draws.
TEST_F(Eye_patterns, CaptionNamesWhatStartDraws)
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

// A start that cannot draw leaves the picture as it was and says why, if anything is to say.
TEST_F(Eye_patterns, StartThatCannotDrawLeavesThePicture)
{
    for (const bool run : {false, true}) {
        SCOPED_TRACE(run ? "cancelled" : "no run yet");
        SetUp();
        if (run)
            setup_and_run();
        else
            press_setup();
        TEye_patterns& eye = *main->eye_patterns();
        eye.show();
        const QImage before = eye.plot->image;
        if (run) Progress_runner::cancel_hook = [](double) { return true; };
        click(eye.start);
        EXPECT_EQ(eye.plot->image, before);
        EXPECT_EQ(main->error_line()->isHidden(), run);
        if (!run) {
            EXPECT_EQ(main->error_line()->text(),
                      "the eye pattern needs a run first: press 'xmit/rcve'");
        }
        TearDown();
    }
}

TEST_F(Eye_patterns, DrawnEyeStaysWhileHiddenAndIsClearedByANewRun)
{
    setup_and_run();
    TEye_patterns& eye = *main->eye_patterns();
    click(picker().eye);
    click(eye.start);
    const QImage picture = eye.plot->image;
    ASSERT_FALSE(white_from_row(picture, 0));
    main->clear_display(TMain_screen::eye_view);
    click(picker().eye);
    EXPECT_EQ(eye.plot->grab().toImage().convertToFormat(QImage::Format_RGB32), picture);
    // A parameter set confirmed (which hides the view) gives the run button back.
    click(picker().analog_par->button);
    main->parameter_menu()->set_quitClick();
    click(picker().run);
    click(picker().eye);
    EXPECT_TRUE(white_from_row(eye.plot->image, 0));
}
