#include "ui/windows/main_screen.h"

#include "engine/stage_codes.h"
#include "tests/ui/windows/window_fixture.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/plots/fourier_plot.h"
#include "ui/views/bp_plots.h"
#include "ui/views/constellation_view.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/pn_generator.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"
#include "ui/windows/set_times.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QScrollBar>

#include <functional>
#include <vector>

using Main_screen = Window_flow;

TEST_F(Main_screen, StartMenuUntilSetupThenTheRunMenuAndAfterARunItsPlots)
{
    main->start_menu()->close();
    flush_deletes();
    ASSERT_EQ(main->child_windows().size(), 1) << "before setup it only minimises";
    EXPECT_TRUE(main->start_menu()->isMinimized());

    press_setup();
    ASSERT_EQ(main->child_windows().size(), 1);
    EXPECT_EQ(main->child_windows()[0], main->run_menu());
    EXPECT_EQ(menu_buttons_shown(), 4);
    EXPECT_TRUE(shown_codes().empty());

    click(picker().run);
    EXPECT_TRUE(picker().run->isHidden());
    EXPECT_FALSE(picker().see_result->isHidden());
    EXPECT_FALSE(main->run_menu()->Set_times->isHidden());
    EXPECT_EQ(picker().stage_button(1)->toolTip(), "1. step: conv. encoded signals");
}

namespace {

struct Plot_step {
    const char* what; // open: its blue button; close: its window; erase: the Erase button
    int code;
    int windows;  // plot windows open after the step
    QPoint place; // of the code's window, when open
};

} // namespace

// Plot windows cascade from the top left of the plot area, one per code: the blue button
// of an open one brings it to the front where it lies.
TEST_F(Main_screen, PlotWindowsCascadeOncePerCodeAndComeToTheFrontAgain)
{
    const std::vector<Plot_step> steps = {
        {"open", 1, 1, {0, 335}}, {"open", -1, 2, {20, 355}}, {"open", 1, 2, {0, 335}},
        {"close", 1, 1, {}},      {"open", 1, 2, {40, 375}},  {"erase", 0, 0, {}},
        {"open", 3, 1, {0, 335}},
    };
    setup_and_run();
    for (const Plot_step& s : steps) {
        SCOPED_TRACE(std::string(s.what) + " " + std::to_string(s.code));
        const auto window_of = [this](int code) -> QMdiSubWindow* {
            for (QMdiSubWindow* w : plot_windows())
                if (w->property("Tag").toInt() == code) return w;
            return nullptr;
        };
        if (s.what == std::string("open")) {
            click(picker().stage_button(s.code));
        } else if (s.what == std::string("close")) {
            window_of(s.code)->close();
        } else {
            click(picker().FFT);
            click(main->erase_button());
            EXPECT_TRUE(main->fourier_plot(0)->isHidden());
        }
        EXPECT_EQ(plot_windows().size(), s.windows);
        if (s.what != std::string("open")) continue;
        QMdiSubWindow* w = window_of(s.code);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->pos(), s.place);
        EXPECT_EQ(main->area().activeSubWindow(), w);
    }
}

// The cascade wraps back instead of leaving the plot area; a window moved partly out of
// it can be scrolled to.
TEST_F(Main_screen, CascadeStaysInThePlotAreaAndAWindowMovedOutCanBeScrolledTo)
{
    setup_and_run();
    const QRect area = main->area().viewport()->rect();
    for (const Stage_code& s : stage_codes) {
        click(picker().stage_button(s.code));
        const QRect placed = plot_windows().back()->geometry();
        EXPECT_TRUE(area.contains(placed)) << s.code << " at " << placed.x() << "," << placed.y();
    }
    ASSERT_FALSE(main->area().horizontalScrollBar()->isVisible());
    plot_windows().back()->move(main->area().viewport()->width() - 100, 335);
    QCoreApplication::processEvents();
    EXPECT_TRUE(main->area().horizontalScrollBar()->isVisible());
}

// The result line goes on a click and comes back with the errors button.
TEST_F(Main_screen, ResultLineHidesWhenClickedAndComesBackWithItsButton)
{
    setup_and_run();
    click(picker().see_result);
    ASSERT_FALSE(main->result_line()->isHidden());
    EXPECT_TRUE(main->result_line()->text().contains(": 0 wrong out of 24"))
        << main->result_line()->text().toStdString();
    QTest::mouseClick(main->result_line(), Qt::LeftButton);
    EXPECT_TRUE(main->result_line()->isHidden());
    click(picker().see_result);
    EXPECT_FALSE(main->result_line()->isHidden());
}

namespace {

enum class Opened { before_setup, after_setup, after_run };

struct Menu_route {
    const char* name;
    Opened opened;
    std::function<void()> act;
    bool closes_menu = true;
};

} // namespace

// Every way a parameter menu can vanish unconfirmed must leave a way to run and to change
// parameters (all of them hide it, as Erase does); a window minimised and restored, even
// after a run, keeps the menu open.
TEST_F(Main_screen, EveryRouteThatHidesAnOpenParameterMenuBringsBackItsButtons)
{
    const std::vector<Menu_route> routes{
        {"Erase before setup", Opened::before_setup, [this] { click(main->erase_button()); }},
        {"setup", Opened::before_setup, [this] { press_setup(); }},
        {"Erase", Opened::after_run, [this] { click(main->erase_button()); }},
        {"minimise after a run", Opened::after_run,
         [this] {
             main->showMinimized();
             main->showNormal();
         },
         false}};
    for (const Menu_route& r : routes) {
        SCOPED_TRACE(r.name);
        restart();
        if (r.opened == Opened::after_setup) press_setup();
        if (r.opened == Opened::after_run) setup_and_run();
        const bool before_setup = r.opened == Opened::before_setup;
        click(before_setup ? main->start_menu()->distort_par->button
                           : picker().distort_par->button);
        ASSERT_FALSE(main->parameter_menu()->isHidden());
        EXPECT_EQ(menu_buttons_shown(), 0);
        EXPECT_TRUE(before_setup || shown_codes().empty()) << "no blue buttons";
        r.act();
        EXPECT_EQ(main->parameter_menu()->isHidden(), r.closes_menu);
        EXPECT_EQ(menu_buttons_shown(), r.closes_menu ? 4 : 0);
        EXPECT_FALSE(main->erase_button()->isHidden());
    }
}

// At the window's 1032 x 702 pixels nothing of the views' texts lies outside: the two PN
// generators whole, below the explorer; the encoder/decoder view's last line.
TEST_F(Main_screen, ViewsFitTheDefaultWindow)
{
    const QRect window = main->centralWidget()->rect();
    ASSERT_EQ(window.size(), QSize(1032, 702));
    for (const QWidget* v :
         {static_cast<QWidget*>(main->pn_generator(0)),
          static_cast<QWidget*>(main->pn_generator(1)),
          static_cast<QWidget*>(main->spreading_fcts()),
          static_cast<QWidget*>(main->eye_patterns()), static_cast<QWidget*>(main->constellation()),
          static_cast<QWidget*>(main->bp_plots())})
        EXPECT_TRUE(window.contains(v->geometry())) << v->metaObject()->className();
    EXPECT_GE(main->pn_generator(0)->height(), main->pn_generator(0)->PaintBox->height());
    EXPECT_GE(main->pn_generator(0)->y(), main->spreading_fcts()->geometry().bottom());
    EXPECT_GT(main->pn_generator(1)->y(), main->pn_generator(0)->geometry().bottom());
    const QLabel& last = *main->viterbi_decoder()->caption;
    const int line = QFontMetrics(last.font()).height();
    EXPECT_LE(last.mapTo(main->centralWidget(), QPoint(0, line)).y(), 702);
}

TEST_F(Main_screen, LongResultWrapsInItsPlaceAndShowsItsStart)
{
    const QRect box = main->result_line()->geometry();
    const QString longest =
        ", rcve step 1: 11 wrong out of 288 signals; t = 1234 sec (a result as long as any)";
    main->set_result(longest.toStdString());
    ASSERT_TRUE(main->result_line()->wrapped());
    const QRect grown = main->result_line()->geometry();
    EXPECT_EQ(grown.topLeft(), box.topLeft());
    const QRect needed =
        QFontMetrics(main->result_line()->font())
            .boundingRect(QRect(0, 0, box.width() - 6, 10000), Qt::TextWordWrap, longest);
    EXPECT_GE(grown.height(), needed.height()) << "every line in view";
    EXPECT_EQ(main->result_line()->toolTip(), longest);

    main->set_result(", rcve step 1: 0 wrong");
    EXPECT_FALSE(main->result_line()->wrapped());
    EXPECT_EQ(main->result_line()->geometry(), box) << "a short result takes one line again";
}
