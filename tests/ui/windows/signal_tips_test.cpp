#include "ui/windows/signal_tips.h"

#include "engine/stage_codes.h"
#include "tests/ui/ui_fixture.h"

using Signal_tips = Ui_flow;

// Each blue button's tooltip names the signal its plot caption names, led by the step.
TEST_F(Signal_tips, EveryStageButtonNamesItsSignalAsItsCaptionDoes)
{
    setup_and_run(6, 3);
    for (const Stage_code& s : stage_codes) {
        const QString tip = picker().stage_button(s.code)->toolTip();
        ASSERT_FALSE(tip.isEmpty()) << s.code;
        const qsizetype colon = tip.indexOf(". step: ");
        ASSERT_GT(colon, 0) << tip.toStdString();
        QString name = tip.mid(colon + 8);
        if (name.endsWith(", I") || name.endsWith(", Q")) name.chop(3);
        main->view_item(s.code);
        const QString caption = plot_windows().back()->windowTitle();
        EXPECT_TRUE(caption.startsWith(tip.left(colon) + ". step; ")) << caption.toStdString();
        EXPECT_TRUE(caption.contains(name.trimmed()))
            << s.code << ": " << tip.toStdString() << " / " << caption.toStdString();
        main->erase_curves();
        flush_deletes();
    }
    EXPECT_EQ(picker().stage_button(1)->toolTip(), "1. step: conv. encoded signals");
}

TEST_F(Signal_tips, EveryRedButtonSaysWhatItsViewShows)
{
    press_setup();
    for (QWidget* b : picker().view_buttons)
        if (qobject_cast<QPushButton*>(b) != nullptr) {
            EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        }
    EXPECT_FALSE(picker().see_result->toolTip().isEmpty());
}
