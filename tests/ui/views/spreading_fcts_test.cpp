#include "ui/views/spreading_fcts.h"

#include "engine/pn_spread.h"
#include "tests/ui/ui_fixture.h"
#include "ui/views/pn_generator.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"

#include <QLineEdit>

#include <gmock/gmock.h>

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

    void multiply(const char* first, const char* second)
    {
        view().input1->setText(first);
        view().input2->setText(second);
        click(view().multiply);
    }

    // The row of column x of a box where the curve is drawn in black, inside the frame.
    static int curve_row(const Paint_box& b, int x)
    {
        for (int y = 1; y < b.image.height() - 1; ++y)
            if (b.image.pixel(x, y) == qRgb(0, 0, 0)) return y;
        return -1;
    }
};

} // namespace

// 361-pixel boxes: 5 columns a Walsh point, 8 a PN-U point, 24 a PN-I point, so that the
// last point lies inside; f x f is +1 at every point, drawn on row 2 (-1.1 .. 1.1 over 49).
TEST_F(Spreading_fcts, EveryPointOfACurveLiesInsideItsBox)
{
    struct Row {
        QPushButton* family;
        int points;
        int per_point;
    };
    for (const Row& r : std::vector<Row>{
             {picker().Walsh, 64, 5}, {picker().PN_U, 42, 8}, {picker().PN_I, 15, 24}}) {
        SCOPED_TRACE(r.points);
        click(r.family);
        multiply("5", "5");
        const int end = r.points * r.per_point; // first column after the last point
        for (const Paint_box* p : {view().plots[2], view().plots[3]}) {
            EXPECT_LE(end, p->width() - 1); // column 360 is the frame
            for (int x : {2, end - 1}) EXPECT_EQ(curve_row(*p, x), 2) << x;
        }
    }
}

// A family opened after another shows none of the other's operations or curves.
TEST_F(Spreading_fcts, AnotherFamilyStartsWithoutTheOthersOperationsAndCurves)
{
    click(picker().Walsh);
    click(view().multiply);
    main->clear_display(TMain_screen::spreading_view); // Esc: hidden without a reset
    click(picker().PN_I);
    for (const Paint_box* p : view().plots) EXPECT_TRUE(p->isHidden());
    EXPECT_TRUE(view().correlate->isHidden());
}

// The second entry of a Walsh product wraps into 0..63, from below too, and is shown
// wrapped.
TEST_F(Spreading_fcts, SecondEntryWraps)
{
    click(picker().Walsh);
    multiply("9", "-1");
    EXPECT_EQ(view().in[1], 63.0);
    EXPECT_EQ(view().input2->text(), "63");
}

// Correlation and timing count through the states of a register; stopped, each says how
// far it came.
TEST_F(Spreading_fcts, CountingOperationsSayWhatTheyCounted)
{
    struct Row {
        QPushButton* family;
        const char* count;
        QPushButton* TSpreading_fcts::*operation;
        double cancel_at; // share done at which Cancel is pressed
        const char* text;
    };
    const std::vector<Row> rows = {
        {picker().PN_U, "4398046511104", &TSpreading_fcts::correlate, -1.0,
         " matches: 1, identical states: 3, ; cancelled after 1048576 of 4398046511104 "
         "states; t = [0-9]+ sec"},
        {picker().PN_Q, "3000000", &TSpreading_fcts::pn_timing, 0.5,
         "time for 3000000 pn generations: cancelled after 2097152 generations, [0-9]+ sec"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.count);
        click(r.family);
        view().input4->setText(r.count);
        click(view().max_nr);
        view().input3->setText("3");
        Progress_runner::cancel_hook = [&r](double done) { return done > r.cancel_at; };
        click(view().*r.operation);
        EXPECT_THAT(view().text, testing::MatchesRegex(r.text));
    }
}

// Equal numbers: the second goes one on. A click on the background then hides the
// generators with the explorer and clears its entries.
TEST_F(Spreading_fcts, ShowGeneratorsPressedTwiceStepsBothFunctionsOn)
{
    click(picker().PN_I);
    view().input1->setText("10");
    view().input2->setText("10");
    click(view().show_gen);
    EXPECT_EQ(view().in[1], 11.0);
    EXPECT_FALSE(main->pn_generator(1)->isHidden());
    click(view().show_gen);
    EXPECT_EQ(view().slot[0], pn_jump(1, PN_spread::i_mask, 11));
    EXPECT_EQ(view().slot[1], pn_jump(1, PN_spread::i_mask, 12));
    QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(900, 200));
    EXPECT_TRUE(main->pn_generator(0)->isHidden());
    EXPECT_EQ(view().in[0], 0.0);
}
