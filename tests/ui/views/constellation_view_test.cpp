#include "ui/views/constellation_view.h"

#include "tests/ui/ui_fixture.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/widgets/paint_box.h"

#include <QLabel>

#include <gmock/gmock.h>

using Constellation_view = Ui_flow;

// The button appears with a complete run and opens the view on that run's chips; the toggle
// shows the other side, Erase hides the view, and after a new run it shows that run's chips.
TEST_F(Constellation_view, ButtonAfterARunOpensTheRunsPointsAndTheToggleSwitchesSide)
{
    press_setup();
    EXPECT_TRUE(picker().constellation->isHidden());
    click(picker().run);
    ASSERT_FALSE(picker().constellation->isHidden());
    TConstellation_view& view = *main->constellation();
    click(picker().constellation);
    ASSERT_FALSE(view.isHidden());
    // 3 bytes make 2048 chips per branch; a clean run decides every chip right.
    EXPECT_EQ(view.caption->text().toStdString(),
              "constellation (rcve, 2048 chips): wrong I: 0, wrong Q: 0");
    EXPECT_FALSE(white_from_row(view.plot->image, 0));
    click(view.xmit_rcve);
    EXPECT_EQ(view.caption->text().toStdString(),
              "constellation (xmit, 2048 chips): wrong I: 0, wrong Q: 0");
    click(view.xmit_rcve);
    main->EraseClick();
    EXPECT_TRUE(view.isHidden());
    // A parameter set confirmed gives the run button back; the view shows the new run.
    click(picker().analog_par->button);
    main->parameter_menu()->set_quitClick();
    analog_pars().noise_to_signal = 5.0f;
    click(picker().run);
    click(picker().constellation);
    EXPECT_THAT(view.caption->text().toStdString(),
                testing::Not(testing::EndsWith("wrong I: 0, wrong Q: 0")));
}
