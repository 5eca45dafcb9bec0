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

// Each option button rewrites the caption; a Q left from two branches is named I once one
// branch is set (no button below), since I is what "start" then draws.
TEST_F(Eye_patterns, CaptionNamesWhatStartDraws)
{
    setup_and_run();
    TEye_patterns& eye = *main->eye_patterns();
    click(picker().eye);
    EXPECT_EQ(eye.caption->text(), "eye pattern (rcve, I - running plot)");
    const std::vector<std::pair<QPushButton*, const char*>> rows = {
        {eye.xmit_rcve, "eye pattern (xmit, I - running plot)"},
        {eye.I_Q, "eye pattern (xmit, Q - running plot)"},
        {eye.run_sum, "eye pattern (xmit, Q - summing plot)"},
        {eye.xmit_rcve, "eye pattern (rcve, Q - summing plot)"},
        {nullptr, "eye pattern (rcve, I - summing plot)"},
    };
    for (const auto& [option, caption] : rows) {
        SCOPED_TRACE(caption);
        if (option != nullptr) {
            click(option);
        } else {
            main->clear_display(TMain_screen::eye_view); // as the parameter menu does
            analog_pars().iq_branches = 1.0f;
            click(picker().eye);
        }
        EXPECT_EQ(eye.caption->text(), caption);
    }
}

// A start that cannot draw leaves the picture as it was and says why, if anything is to say.
TEST_F(Eye_patterns, StartThatCannotDrawLeavesThePicture)
{
    struct Row {
        const char* name;
        bool run;
        bool cancel;
        const char* error; // empty: the error line stays hidden
    };
    const std::vector<Row> rows = {
        {"no run yet", false, false, "the eye pattern needs a run first: press 'xmit/rcve'"},
        {"cancelled", true, true, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
        if (r.run)
            setup_and_run();
        else
            press_setup();
        TEye_patterns& eye = *main->eye_patterns();
        eye.show();
        const QImage before = eye.plot->image;
        if (r.cancel) Progress_runner::cancel_hook = [](double) { return true; };
        click(eye.start);
        Progress_runner::cancel_hook = nullptr;
        EXPECT_EQ(eye.plot->image, before);
        EXPECT_EQ(main->error_line()->isHidden(), *r.error == '\0');
        if (*r.error != '\0') {
            EXPECT_EQ(main->error_line()->text(), r.error);
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
