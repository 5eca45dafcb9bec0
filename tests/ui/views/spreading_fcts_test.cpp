#include "ui/views/spreading_fcts.h"

#include "engine/elements.h"
#include "engine/pn_spread.h"
#include "tests/ui/ui_fixture.h"
#include "ui/views/pn_generator.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"

#include <QLabel>
#include <QLineEdit>

#include <gmock/gmock.h>

#include <tuple>

namespace {

class Spreading_fcts : public Ui_flow {
protected:
    TSpreading_fcts& view() { return *main->spreading_fcts(); }

    // The explorer needs no run; a set-up chain gives the stage picker its buttons.
    void SetUp() override
    {
        Ui_flow::SetUp();
        press_setup();
    }

    void TearDown() override
    {
        Progress_runner::cancel_hook = nullptr;
        Ui_flow::TearDown();
    }

    void open(QPushButton* family_button) { click(family_button); }

    void enter(QLineEdit* e, const char* text) { e->setText(text); }

    // The colour of the curve's pixel in column x of a box: the row where it is drawn.
    static int curve_row(const Paint_box& b, int x)
    {
        for (int y = 1; y < b.image.height() - 1; ++y) // inside the frame
            if (b.image.pixel(x, y) == qRgb(0, 0, 0)) return y;
        return -1;
    }
};

} // namespace

TEST_F(Spreading_fcts, FamilyButtonsSetTheCaptions)
{
    open(picker().Walsh);
    ASSERT_FALSE(view().isHidden());
    EXPECT_EQ(view().geometry(), QRect(8, 320, 978, 212));
    EXPECT_EQ(view().caption1->text(),
              "play with Walsh functions: enter numbers to choose functions");
    EXPECT_EQ(view().caption2->text(), "(from 0 to 63)  and press the selected operation");
    EXPECT_EQ(view().correlate->text(), "correlate this fct. with 64  others");
    EXPECT_TRUE(view().show_gen->isHidden());
    click(picker().PN_U);
    EXPECT_EQ(view().caption1->text(),
              "play with PN U functions: enter numbers to choose functions");
    EXPECT_EQ(view().caption2->text(),
              "(from 0 to 4398046511103)  and press the selected operation");
    EXPECT_FALSE(view().show_gen->isHidden());
    click(picker().PN_I);
    EXPECT_EQ(view().caption2->text(), "(from 0 to 32767)  and press the selected operation");
    click(picker().PN_Q);
    EXPECT_EQ(view().caption1->text(),
              "play with PN Q functions: enter numbers to choose functions");
}

TEST_F(Spreading_fcts, WalshFunctionsFiveAndSixAreOrthogonal)
{
    open(picker().Walsh);
    enter(view().input1, "5");
    enter(view().input2, "6");
    click(view().multiply);
    // The running mean ends at 0: its last point (5 columns from 315) lies on the zero row.
    const int zero = static_cast<int>(0.96 * 49 * 0.5);
    EXPECT_EQ(curve_row(*view().plots[3], 319), zero);
}

// 361-pixel boxes: 5 columns a Walsh point, 8 a PN-U point, 24 a PN-I point, so that the
// last point lies inside; f x f and its running mean are +1 at every point, the last one
// included. -1.1 .. 1.1 over 49 rows: zero at row 23, 20.5 rows per unit, +1 on row 2.
TEST_F(Spreading_fcts, EveryPointOfACurveLiesInsideItsBox)
{
    for (const auto& [family, points, per_point] :
         {std::tuple{picker().Walsh, 64, 5}, {picker().PN_U, 42, 8}, {picker().PN_I, 15, 24}}) {
        open(family);
        enter(view().input1, "5");
        enter(view().input2, "5");
        click(view().multiply);
        for (const Paint_box* p : view().plots) EXPECT_FALSE(p->isHidden());
        const int end = points * per_point; // first column after the last point
        for (const Paint_box* p : {view().plots[2], view().plots[3]}) {
            EXPECT_LE(end, p->width() - 1) << points; // column 360 is the frame
            for (int x : {2, end - per_point, end - 1}) EXPECT_EQ(curve_row(*p, x), 2) << x;
            if (end + 1 < p->width() - 1) {
                EXPECT_EQ(curve_row(*p, end + 1), -1) << points << ": nothing after the last";
            }
        }
        // The labels stand beside the boxes, where no curve crosses them.
        for (size_t k = 0; k < view().plots.size(); ++k)
            EXPECT_FALSE(view().labels[k]->geometry().intersects(view().plots[k]->geometry()));
        EXPECT_EQ(view().labels[2]->text(), " product ");
    }
}

// A family opened after another shows none of the other's operations or curves; the PN
// operations beyond multiply and show come with a count only.
TEST_F(Spreading_fcts, AnotherFamilyStartsWithoutTheOthersOperationsAndCurves)
{
    open(picker().PN_U); // before any Walsh opening
    for (QWidget* w :
         {static_cast<QWidget*>(view().input3), static_cast<QWidget*>(view().correlate),
          static_cast<QWidget*>(view().pn_timing)})
        EXPECT_TRUE(w->isHidden());
    open(picker().Walsh);
    click(view().multiply);
    main->clear_display(TMain_screen::spreading_view); // Esc: hidden without a reset
    open(picker().PN_I);
    for (const Paint_box* p : view().plots) EXPECT_TRUE(p->isHidden());
    EXPECT_TRUE(view().correlate->isHidden());
    enter(view().input4, "70000");
    click(view().max_nr);
    EXPECT_FALSE(view().correlate->isHidden());
    EXPECT_EQ(view().correlate->text(), "correlate this fct. with 32768  others");
    EXPECT_EQ(view().pn_timing->text(), "get the time required to generate 70000 PN numbers");
}

TEST_F(Spreading_fcts, EntriesWrapToTheFunctionRange)
{
    open(picker().Walsh);
    enter(view().input1, "70");
    enter(view().input2, "-1");
    click(view().multiply);
    EXPECT_EQ(view().in[0], 6.0);
    EXPECT_EQ(view().in[1], 63.0);
    EXPECT_EQ(view().input1->text(), "6");
    EXPECT_EQ(view().input2->text(), "63");
}

TEST_F(Spreading_fcts, EntriesThatAreNoNumbersChangeNothing)
{
    open(picker().Walsh);
    enter(view().input1, "\t7 ");
    click(view().multiply);
    EXPECT_EQ(view().in[0], 7.0);
    for (const char* bad : {"abc", "inf", "nan", "", "0x4"}) {
        enter(view().input1, "9");
        enter(view().input2, bad);
        click(view().multiply);
        EXPECT_EQ(view().in[0], 7.0) << bad;
        EXPECT_THAT(view().caption2->text().toStdString(), testing::StartsWith("input2: '")) << bad;
    }
    open(picker().PN_I);
    enter(view().input4, "1e13");
    click(view().max_nr);
    EXPECT_EQ(view().caption2->text(),
              "input4: '1e13' is refused: enter a count from 0 to 4398046511104");
}

TEST_F(Spreading_fcts, PnCorrelationFindsTheFunctionOnceInAHundredStates)
{
    open(picker().PN_I);
    enter(view().input4, "100");
    click(view().max_nr);
    EXPECT_FALSE(view().correlate->isHidden());
    EXPECT_EQ(view().correlate->text(), "correlate this fct. with 100  others");
    EXPECT_EQ(view().pn_timing->text(), "get the time required to generate 100 PN numbers");
    enter(view().input3, "3");
    click(view().correlate);
    EXPECT_EQ(view().matches, 1.0);
    EXPECT_THAT(view().text,
                testing::MatchesRegex(" matches: 1, identical states: 3, ; t = [0-9]+ sec"));
}

TEST_F(Spreading_fcts, ACancelledCorrelationSaysWhatItCounted)
{
    open(picker().PN_U);
    enter(view().input4, "4398046511104");
    click(view().max_nr);
    enter(view().input3, "5");
    Progress_runner::cancel_hook = [](double) { return true; };
    click(view().correlate);
    EXPECT_THAT(view().text,
                testing::MatchesRegex(" matches: 1, identical states: 5, ; cancelled after "
                                      "1048576 of 4398046511104 states; t = [0-9]+ sec"));
}

TEST_F(Spreading_fcts, ACancelledTimingSaysWhatItCountedInsideTheBox)
{
    open(picker().PN_Q);
    enter(view().input4, "3000000");
    click(view().max_nr);
    Progress_runner::cancel_hook = [](double done) { return done > 0.5; };
    click(view().pn_timing);
    EXPECT_THAT(view().text, testing::MatchesRegex("time for 3000000 pn generations: cancelled "
                                                   "after 2097152 generations, [0-9]+ sec"));
    // Broken into lines: nothing of it reaches the box's right frame.
    const Paint_box& b = *view().plots[0];
    for (int y = 1; y < b.height() - 1; ++y)
        EXPECT_EQ(b.image.pixel(b.width() - 2, y), qRgb(255, 255, 255)) << y;
}

TEST_F(Spreading_fcts, ShowGeneratorsPressedTwiceStepsBothFunctionsOn)
{
    open(picker().PN_I);
    enter(view().input1, "10");
    enter(view().input2, "10");
    click(view().show_gen);
    EXPECT_EQ(view().in[0], 10.0);
    EXPECT_EQ(view().in[1], 11.0); // equal numbers: the second goes one on
    EXPECT_FALSE(main->pn_generator(0)->isHidden());
    EXPECT_FALSE(main->pn_generator(1)->isHidden());
    click(view().show_gen);
    EXPECT_EQ(view().in[0], 11.0);
    EXPECT_EQ(view().in[1], 12.0);
    EXPECT_EQ(view().slot[0], pn_jump(1, PN_spread::i_mask, 11));
    EXPECT_EQ(view().slot[1], pn_jump(1, PN_spread::i_mask, 12));
}

TEST_F(Spreading_fcts, BackgroundClickClearsTheEntries)
{
    open(picker().PN_I);
    enter(view().input1, "10");
    click(view().show_gen);
    QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(900, 200));
    EXPECT_TRUE(view().isHidden());
    EXPECT_TRUE(main->pn_generator(0)->isHidden());
    EXPECT_EQ(view().in[0], 0.0);
    EXPECT_EQ(view().caption1->text(), "  ");
}
