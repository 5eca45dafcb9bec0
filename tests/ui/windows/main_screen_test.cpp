#include "ui/windows/main_screen.h"

#include "engine/engine_objects.h"
#include "plot/plot_objects.h"
#include "tests/ui/ui_fixture.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/plots/fourier_plot.h"
#include "ui/plots/signal_plot.h"
#include "ui/views/bp_plots.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/pn_generator.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"
#include "ui/windows/set_times.h"

#include "engine/stage_codes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QScrollBar>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

using Main_screen = Ui_flow;

TEST_F(Main_screen, StartsWithTheStartMenuAndNoResultLine)
{
    EXPECT_EQ(main->windowTitle(),
              "Simulation of the digital and analog steps in CDMA transmission/reception");
    const auto children = main->child_windows();
    ASSERT_EQ(children.size(), 1);
    EXPECT_EQ(children[0]->property("Tag").toInt(), 2000);
    EXPECT_TRUE(main->result_line()->isHidden());
    EXPECT_FALSE(main->erase_button()->isHidden());
}

TEST_F(Main_screen, StartMenuOnlyMinimisesBeforeSetup)
{
    main->start_menu()->close();
    flush_deletes();
    ASSERT_EQ(main->child_windows().size(), 1);
    EXPECT_TRUE(main->start_menu()->isMinimized());
}

TEST_F(Main_screen, SetupReplacesTheStartMenuByTheRunMenu)
{
    press_setup();
    const auto children = main->child_windows();
    ASSERT_EQ(children.size(), 1);
    EXPECT_EQ(children[0], main->run_menu());
    EXPECT_EQ(main->run_menu()->geometry(), QRect(10, 35, 1000, 300));
    EXPECT_TRUE(main->run_menu()->Set_times->isHidden());
    EXPECT_FALSE(picker().run->isHidden());
    EXPECT_TRUE(picker().stage_button(0)->isHidden());
    EXPECT_TRUE(picker().see_result->isHidden());
    EXPECT_EQ(main->run_menu()->windowTitle(),
              "run time menue:  click the 'xmit/rcve' button to "
              "start the simulation of the transmission & reception");
}

TEST_F(Main_screen, PlotWindowsCascadeAndOpenOncePerCode)
{
    setup_and_run();
    main->view_item(1);
    main->view_item(-1);
    main->view_item(1);
    auto plots = plot_windows();
    ASSERT_EQ(plots.size(), 2);
    EXPECT_EQ(plots[0]->pos(), QPoint(0, 335));
    EXPECT_EQ(plots[1]->pos(), QPoint(20, 355));
    EXPECT_EQ(plots[0]->size(), QSize(758, 155));

    main->erase_curves();
    EXPECT_TRUE(plot_windows().isEmpty());
    EXPECT_EQ(main->child_windows().size(), 1) << "the run-time menu stays";
    main->view_item(3);
    plots = plot_windows();
    ASSERT_EQ(plots.size(), 1);
    EXPECT_EQ(plots[0]->pos(), QPoint(0, 335));
}

TEST_F(Main_screen, ClosedPlotWindowReopensAtTheNextCascadePlace)
{
    setup_and_run();
    main->view_item(2);
    plot_windows()[0]->close();
    ASSERT_TRUE(plot_windows().isEmpty());
    main->view_item(2);
    ASSERT_EQ(plot_windows().size(), 1);
    EXPECT_EQ(plot_windows()[0]->pos(), QPoint(20, 355));
}

TEST_F(Main_screen, ClearDisplayHidesOnlyTheViewsOfItsMask)
{
    setup_and_run();
    main->result_line()->show();
    main->error_line()->show();
    main->clear_display(16); // no view has this bit
    EXPECT_FALSE(main->result_line()->isHidden());
    EXPECT_FALSE(main->error_line()->isHidden());
    main->clear_display(TMain_screen::error_view);
    EXPECT_FALSE(main->result_line()->isHidden());
    EXPECT_TRUE(main->error_line()->isHidden());
}

TEST_F(Main_screen, ClickedResultLineHidesAndErrorsButtonShowsItAgain)
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

TEST_F(Main_screen, EraseClosesPlotsAndHidesViewsButKeepsTheMenu)
{
    setup_and_run();
    main->view_item(0);
    main->fourier_plot(0)->show();
    click(main->erase_button());
    EXPECT_TRUE(plot_windows().isEmpty());
    EXPECT_TRUE(main->fourier_plot(0)->isHidden());
    EXPECT_EQ(main->child_windows().size(), 1);
}

TEST_F(Main_screen, RunButtonStaysHiddenWhileTheChainIsNotAllocated)
{
    press_setup();
    vocoder.allocated = false; // as after a failed allocation
    main->open_parameter_menu(2);
    main->show_menu_buttons();
    EXPECT_TRUE(picker().run->isHidden());
    vocoder.allocated = true;
    main->show_menu_buttons();
    EXPECT_FALSE(picker().run->isHidden());
}

namespace {

bool start_buttons_shown(const TStart_menue& start)
{
    for (const TParameter_btn* b :
         {start.start_par, start.analog_par, start.filter_par, start.distort_par})
        if (b->isHidden()) return false;
    return true;
}

bool run_buttons_shown(TGet_plots& picker)
{
    for (const QWidget* w :
         {static_cast<QWidget*>(picker.run), static_cast<QWidget*>(picker.analog_par),
          static_cast<QWidget*>(picker.filter_par), static_cast<QWidget*>(picker.distort_par)})
        if (w->isHidden()) return false;
    return true;
}

} // namespace

// Every way a parameter menu can vanish unconfirmed must leave a way to run and to change
// parameters.
TEST_F(Main_screen, EraseWithAParameterMenuOpenBeforeSetupBringsBackItsButtons)
{
    click(main->start_menu()->distort_par->button);
    ASSERT_FALSE(start_buttons_shown(*main->start_menu()));
    click(main->erase_button());
    EXPECT_TRUE(main->parameter_menu()->isHidden());
    EXPECT_TRUE(start_buttons_shown(*main->start_menu()));
}

TEST_F(Main_screen, EveryRouteThatHidesAnOpenParameterMenuBringsBackRunAndItsButtons)
{
    const std::vector<std::pair<const char*, std::function<void()>>> routes{
        {"Erase", [this] { click(main->erase_button()); }},
        {"clear_display", [this] { main->clear_display(TMain_screen::all_views); }},
        {"clear", [this] { main->clear(main->parameter_menu()); }},
        {"redraw_plots_and_hide_views", [this] { main->redraw_plots_and_hide_views(); }},
        {"hide", [this] { main->parameter_menu()->hide(); }}};
    press_setup();
    for (const auto& [name, hide_menu] : routes) {
        click(picker().distort_par->button);
        ASSERT_FALSE(run_buttons_shown(picker())) << name;
        hide_menu();
        EXPECT_TRUE(main->parameter_menu()->isHidden()) << name;
        EXPECT_TRUE(run_buttons_shown(picker())) << name;
        EXPECT_FALSE(main->erase_button()->isHidden()) << name;
    }
}

TEST_F(Main_screen, SetupWithAParameterMenuOpenOffersTheRunButtons)
{
    click(main->start_menu()->analog_par->button);
    press_setup();
    EXPECT_TRUE(main->parameter_menu()->isHidden());
    EXPECT_TRUE(run_buttons_shown(picker()));
}

TEST_F(Main_screen, MinimisedWindowKeepsTheOpenMenuAndItsButtonsHidden)
{
    press_setup();
    click(picker().analog_par->button);
    main->showMinimized();
    main->showNormal();
    EXPECT_TRUE(picker().run->isHidden()) << "the menu is still open";
    EXPECT_FALSE(main->parameter_menu()->isHidden());
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
          static_cast<QWidget*>(main->eye_patterns()), static_cast<QWidget*>(main->bp_plots())})
        EXPECT_TRUE(window.contains(v->geometry())) << v->metaObject()->className();
    EXPECT_GE(main->pn_generator(0)->height(), main->pn_generator(0)->PaintBox->height());
    EXPECT_GE(main->pn_generator(0)->y(), main->spreading_fcts()->geometry().bottom());
    EXPECT_GT(main->pn_generator(1)->y(), main->pn_generator(0)->geometry().bottom());
    const QLabel& last = *main->viterbi_decoder()->caption;
    const int line = QFontMetrics(last.font()).height();
    EXPECT_LE(last.mapTo(main->centralWidget(), QPoint(0, line)).y(), 702);
}

TEST_F(Main_screen, ClickingTheCodeOfAnOpenWindowBringsItToTheFront)
{
    setup_and_run();
    main->view_item(1);
    main->view_item(-1);
    main->view_item(2);
    const auto plots = plot_windows();
    ASSERT_EQ(plots.size(), 3);
    ASSERT_NE(main->area().activeSubWindow(), plots[0]);
    main->view_item(1);
    EXPECT_EQ(plot_windows().size(), 3) << "no second window";
    EXPECT_EQ(main->area().activeSubWindow(), plots[0]);
    EXPECT_EQ(plots[0]->pos(), QPoint(0, 335)) << "raised, not moved";
}

TEST_F(Main_screen, CascadeWrapsBackInsteadOfLeavingThePlotArea)
{
    setup_and_run();
    const QRect area = main->area().viewport()->rect();
    std::vector<QPoint> places;
    for (const Stage_code& s : stage_codes) {
        main->view_item(s.code);
        const QRect placed = plot_windows().back()->geometry();
        EXPECT_TRUE(area.contains(placed)) << s.code << " at " << placed.x() << "," << placed.y();
        places.push_back(placed.topLeft());
    }
    // The first wrap starts one step right of the first place.
    EXPECT_NE(std::find(places.begin(), places.end(), QPoint(20, 335)), places.end());
    main->erase_curves();
    main->view_item(1);
    EXPECT_EQ(plot_windows().back()->pos(), QPoint(0, 335)) << "Erase starts the cascade anew";
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
    EXPECT_EQ(grown.width(), box.width());
    const QRect needed =
        QFontMetrics(main->result_line()->font())
            .boundingRect(QRect(0, 0, box.width() - 6, 10000), Qt::TextWordWrap, longest);
    EXPECT_GE(grown.height(), needed.height()) << "every line in view";
    EXPECT_EQ(main->result_line()->text(), longest);
    EXPECT_EQ(main->result_line()->toolTip(), longest);

    main->set_result(", rcve step 1: 0 wrong");
    EXPECT_FALSE(main->result_line()->wrapped());
    EXPECT_EQ(main->result_line()->geometry(), box) << "a short result takes one line again";
}

TEST_F(Main_screen, WindowPartlyOutsideThePlotAreaCanBeScrolledTo)
{
    setup_and_run();
    main->view_item(1);
    ASSERT_FALSE(main->area().horizontalScrollBar()->isVisible());
    plot_windows().back()->move(main->area().viewport()->width() - 100, 335);
    QCoreApplication::processEvents();
    EXPECT_TRUE(main->area().horizontalScrollBar()->isVisible());
}
