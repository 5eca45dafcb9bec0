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

// The text of the refusal box the explorer opened, which is then closed.
QString refusal_text(TBp_plots& bp)
{
    auto* box = bp.findChild<QMessageBox*>();
    if (box == nullptr) return {};
    const QString text = box->text();
    box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return text;
}

} // namespace

TEST_F(Bp_plots, RedButtonShowsTheExplorerWithTheDefaultEdits)
{
    setup_and_run();
    TBp_plots& bp = *main->bp_plots();
    click(picker().bp_filter);
    EXPECT_FALSE(bp.isHidden());
    EXPECT_EQ(bp.geometry(), QRect(0, 350, 1024, 301));
    EXPECT_EQ(bp.frequency2->geometry(), QRect(512, 192, 512, 105));
    EXPECT_EQ(texts(bp), (std::vector<QString>{"10.00", "0.10", "30.00", "5.00", "15.00", "1"}));
    EXPECT_EQ(bp.caption->text(),
              "set  center freq and  width of the filter;  the FFT range; lower and upper freqs "
              "(MHz) of  the test signal and its  type (1/ 2)  and press \"show\"");
}

TEST_F(Bp_plots, ShowDrawsFourPlotsAndHidesTheOtherViews)
{
    setup_and_run();
    TBp_plots& bp = *main->bp_plots();
    click(picker().bp_filter);
    click(picker().eye);
    main->result_line()->show();
    const std::vector<QImage> before = pictures(bp);
    click(bp.show);
    const std::vector<QImage> after = pictures(bp);
    for (size_t k = 0; k < 4; ++k) EXPECT_NE(after[k], before[k]) << k;
    EXPECT_TRUE(main->eye_patterns()->isHidden());
    EXPECT_TRUE(main->result_line()->isHidden());
    EXPECT_FALSE(bp.isHidden());
}

TEST_F(Bp_plots, CorrectionsAreEchoedInTheEdits)
{
    setup_and_run();
    TBp_plots& bp = *main->bp_plots();
    click(picker().bp_filter);
    bp.width->setText("12");
    bp.low->setText("-2");
    click(bp.show);
    EXPECT_EQ(bp.width->text(), "10.00");
    EXPECT_EQ(bp.low->text(), "0.00");
}

TEST_F(Bp_plots, RefusedEditIsNamedAndLeavesEditsAndPlotsAlone)
{
    setup_and_run();
    TBp_plots& bp = *main->bp_plots();
    click(picker().bp_filter);
    click(bp.show);
    for (const auto& [edit, text, message] :
         {std::tuple{bp.center, "ten", "center: 'ten' is not a number"},
          std::tuple{bp.fft, "0", "fft = 0 is out of range"},
          std::tuple{bp.high, "1", "high = 1 is below the lowest frequency"},
          std::tuple{bp.mode, "2.5", "mode: '2.5' is not a whole number"}}) {
        const QString old = edit->text();
        edit->setText(text);
        const std::vector<QString> typed = texts(bp);
        const std::vector<QImage> before = pictures(bp);
        click(bp.show);
        EXPECT_TRUE(refusal_text(bp).startsWith(message)) << message;
        EXPECT_EQ(texts(bp), typed);
        EXPECT_TRUE(pictures(bp) == before) << message;
        edit->setText(old);
    }
}

TEST_F(Bp_plots, ClickOnTheBackgroundHidesTheExplorer)
{
    setup_and_run();
    TBp_plots& bp = *main->bp_plots();
    click(picker().bp_filter);
    QTest::mouseClick(bp.time1, Qt::LeftButton);
    EXPECT_FALSE(bp.isHidden());
    QTest::mouseClick(&bp, Qt::LeftButton, {}, QPoint(600, 60));
    EXPECT_TRUE(bp.isHidden());
}
