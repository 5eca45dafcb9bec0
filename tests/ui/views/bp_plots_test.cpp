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

// "show" draws the four plots over the other views. An edit beyond its range is then
// corrected and the correction shown; one that cannot be used is named in a refusal and
// leaves the edits as typed and the plots as they were. Which edits are corrected or
// refused is the explorer's rule, checked with its own tests.
TEST_F(Bp_plots, ShowDrawsThePlotsAndCorrectsOrRefusesTheEdits)
{
    setup_and_run();
    TBp_plots& bp = *main->bp_plots();
    click(picker().bp_filter);
    click(picker().eye);
    const std::vector<QImage> blank = pictures(bp);
    click(bp.show);
    for (size_t k = 0; k < 4; ++k) EXPECT_NE(pictures(bp)[k], blank[k]) << k;
    EXPECT_TRUE(main->eye_patterns()->isHidden());
    struct Row {
        QLineEdit* edit;
        const char* typed;
        const char* shown;   // after "show"; empty: refused
        const char* refusal; // the start of the refusal's text
    };
    const std::vector<Row> rows = {
        {bp.width, "12", "10.00", ""},
        {bp.high, "1", "", "high = 1 is below the lowest frequency"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        r.edit->setText(r.typed);
        const std::vector<QString> typed = texts(bp);
        const std::vector<QImage> before = pictures(bp);
        click(bp.show);
        auto* box = bp.findChild<QMessageBox*>();
        const QString refusal = box == nullptr ? QString() : box->text();
        if (box != nullptr) box->close();
        flush_deletes();
        if (*r.shown != '\0') {
            EXPECT_EQ(r.edit->text(), r.shown);
            EXPECT_EQ(refusal, "");
        } else {
            EXPECT_TRUE(refusal.startsWith(r.refusal)) << refusal.toStdString();
            EXPECT_EQ(texts(bp), typed);
            EXPECT_TRUE(pictures(bp) == before);
        }
    }
}
