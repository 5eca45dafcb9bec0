#include "ui/views/bp_plots.h"

#include "tests/ui/ui_fixture.h"
#include "ui/views/eye_patterns.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

using Bp_plots = Ui_flow;

namespace {

std::vector<QString> texts(const TBp_plots& bp)
{
    return {bp.center->text(), bp.width->text(), bp.fft->text(),
            bp.low->text(),    bp.high->text(),  bp.mode->text()};
}

std::vector<QImage> pictures(const TBp_plots& bp)
{
    std::vector<QImage> v;
    for (const Paint_box* p : bp.plots) v.push_back(p->image);
    return v;
}

} // namespace

// "show" draws the four plots over the other views. An edit that cannot be used is then
// named in a refusal and leaves the edits as typed and the plots as they were. Which edits
// are corrected or refused is the explorer's rule, checked with its own tests.
TEST_F(Bp_plots, ShowDrawsThePlotsAndRefusesAnUnusableEdit)
{
    setup_and_run();
    TBp_plots& bp = *main->bp_plots();
    click(picker().bp_filter);
    click(picker().eye);
    const std::vector<QImage> blank = pictures(bp);
    click(bp.show);
    for (size_t k = 0; k < 4; ++k) EXPECT_NE(pictures(bp)[k], blank[k]) << k;
    EXPECT_TRUE(main->eye_patterns()->isHidden());
    bp.high->setText("1");
    const std::vector<QString> typed = texts(bp);
    const std::vector<QImage> before = pictures(bp);
    click(bp.show);
    auto* box = bp.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().startsWith("high = 1 is below the lowest frequency"))
        << box->text().toStdString();
    EXPECT_EQ(texts(bp), typed);
    EXPECT_TRUE(pictures(bp) == before);
    box->close();
}
