#include "ui/windows/get_plots.h"

#include "analog/analog_mod.h"
#include "plot/plot_objects.h"
#include "tests/fakes/record_canvas.h"
#include "tests/ui/ui_fixture.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/plots/fourier_plot.h"
#include "ui/plots/signal_plot.h"
#include "ui/views/bp_plots.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"
#include "ui/windows/set_times.h"

#include <gmock/gmock.h>

#include <set>
#include <string>
#include <vector>

using Get_plots = Ui_flow;

namespace {

std::set<int> shown_codes(TGet_plots& picker)
{
    std::set<int> codes;
    for (size_t r = 0; r < picker.rows.size(); ++r)
        for (int j = 0; j < TGet_plots::row_count[r]; ++j) {
            const QPushButton* b = picker.rows[r][static_cast<size_t>(j)];
            if (!b->isHidden()) codes.insert(b->property("Tag").toInt());
        }
    return codes;
}

std::set<std::string> shown_views(TGet_plots& picker)
{
    std::set<std::string> names;
    for (QPushButton* b : {picker.en_decoder, picker.FFT, picker.Walsh, picker.PN_U, picker.PN_I,
                           picker.PN_Q, picker.eye, picker.bp_filter})
        if (!b->isHidden()) names.insert(b->objectName().toStdString());
    return names;
}

const std::set<int> q_codes{205, 206, 207, -204, -205, -206, -406, -207, -208};

} // namespace

TEST_F(Get_plots, EveryButtonOfTheFullChainAfterARun)
{
    setup_and_run();
    EXPECT_EQ(shown_codes(picker()).size(), 33u);
    EXPECT_EQ(shown_views(picker()).size(), 8u);
    EXPECT_TRUE(picker().run->isHidden());
    EXPECT_FALSE(picker().see_result->isHidden());
    EXPECT_FALSE(main->run_menu()->Set_times->isHidden());
    EXPECT_EQ(main->run_menu()->windowTitle(),
              "run time menue: Click the blue '?' to plot the respective signal on the chosen "
              "time scale  OR  one of the red boxes for further details");
}

TEST_F(Get_plots, OneBranchShowsNoQButton)
{
    analog_pars().iq_branches = 1.0f;
    setup_and_run();
    const auto codes = shown_codes(picker());
    for (int q : q_codes) EXPECT_EQ(codes.count(q), 0u) << q;
    EXPECT_EQ(codes.size(), 33u - q_codes.size());
}

TEST_F(Get_plots, SwitchedOffMixersHideTheirButtons)
{
    analog_pars().if_mod = 0.0f;
    analog_pars().rf_mod = 0.0f;
    analog_pars().rf_demod = 0.0f;
    setup_and_run();
    const auto codes = shown_codes(picker());
    for (int hidden : {107, 207, 9, -10}) EXPECT_EQ(codes.count(hidden), 0u) << hidden;
    for (int shown : {7, 10, 11, -9, -108}) EXPECT_EQ(codes.count(shown), 1u) << shown;
}

TEST_F(Get_plots, FewerStagesShowFewerRowsAndViews)
{
    setup_and_run(1);
    EXPECT_EQ(shown_codes(picker()), (std::set<int>{0, 1, -1}));
    EXPECT_TRUE(shown_views(picker()).empty());
    EXPECT_FALSE(picker().distort_par->button->isHidden());
}

TEST_F(Get_plots, ViewButtonsComeWithTheirRows)
{
    setup_and_run(2);
    EXPECT_EQ(shown_views(picker()), (std::set<std::string>{"en_decoder", "FFT"}));
    main.reset();
    SetUp();
    setup_and_run(5);
    EXPECT_EQ(shown_views(picker()),
              (std::set<std::string>{"en_decoder", "FFT", "Walsh", "PN_U", "PN_I", "PN_Q"}));
}

TEST_F(Get_plots, NoStagesShowOnlyTheDataSource)
{
    setup_and_run(0);
    EXPECT_EQ(shown_codes(picker()), (std::set<int>{0}));
}

TEST_F(Get_plots, BlueButtonOpensItsPlotWindow)
{
    setup_and_run();
    click(picker().stage_button(-205));
    const auto plots = plot_windows();
    ASSERT_EQ(plots.size(), 1);
    EXPECT_EQ(plots[0]->property("Tag").toInt(), -205);
}

TEST_F(Get_plots, FftSlotsFillUpperFirstThenShiftUp)
{
    setup_and_run();
    TFourier_plot& upper = *main->fourier_plot(0);
    TFourier_plot& lower = *main->fourier_plot(1);
    click(picker().FFT);
    EXPECT_FALSE(upper.isHidden());
    EXPECT_TRUE(lower.isHidden());
    click(picker().FFT);
    EXPECT_FALSE(lower.isHidden());
    // A mark in the lower picture must move to the upper one on the third press.
    lower.Fourier->image.setPixel(3, 3, qRgb(1, 2, 3));
    click(picker().FFT);
    EXPECT_FALSE(upper.isHidden());
    EXPECT_FALSE(lower.isHidden());
    EXPECT_EQ(upper.Fourier->image.pixel(3, 3), qRgb(1, 2, 3));
}

// Whatever was opened before, the view just asked for lies in front: a point in the
// middle of its main control belongs to it.
TEST_F(Get_plots, EveryViewOpenedFromTheDiagramComesToTheFront)
{
    setup_and_run();
    struct View {
        QPushButton* button;
        QWidget* view;
        QWidget* control; // what a student clicks next
    };
    const View views[] = {
        {picker().Walsh, main->spreading_fcts(), main->spreading_fcts()->multiply},
        {picker().en_decoder, main->viterbi_decoder(), main->viterbi_decoder()->decoder},
        {picker().eye, main->eye_patterns(), main->eye_patterns()->start},
        {picker().bp_filter, main->bp_plots(), main->bp_plots()->show},
        {picker().FFT, main->fourier_plot(0), main->fourier_plot(0)->Fourier},
        {picker().see_result, main->result_line(), main->result_line()},
    };
    QWidget& central = *main->centralWidget();
    for (const View& first : views)
        for (const View& next : views) {
            if (first.view == next.view) continue;
            main->EraseClick();
            click(first.button);
            click(next.button);
            const QPoint centre = next.control->mapTo(&central, next.control->rect().center());
            const QWidget* hit = central.childAt(centre);
            EXPECT_TRUE(hit == next.view || next.view->isAncestorOf(hit))
                << first.button->text().toStdString() << ", then "
                << next.button->text().toStdString();
        }
}

TEST_F(Get_plots, UpperSpectrumClosesOnlyAfterTheLower)
{
    setup_and_run();
    click(picker().FFT);
    click(picker().FFT);
    main->fourier_plot(0)->FourierClick();
    EXPECT_FALSE(main->fourier_plot(0)->isHidden());
    main->fourier_plot(1)->FourierClick();
    EXPECT_TRUE(main->fourier_plot(1)->isHidden());
    main->fourier_plot(0)->FourierClick();
    EXPECT_TRUE(main->fourier_plot(0)->isHidden());
}

TEST_F(Get_plots, ParameterButtonHidesRunAndStageButtons)
{
    setup_and_run();
    click(picker().filter_par->button);
    EXPECT_FALSE(main->parameter_menu()->isHidden());
    EXPECT_TRUE(picker().run->isHidden());
    EXPECT_TRUE(picker().analog_par->isHidden());
    EXPECT_TRUE(shown_codes(picker()).empty());
    main->show_menu_buttons();
    EXPECT_FALSE(picker().run->isHidden());
    EXPECT_FALSE(picker().filter_par->isHidden());
}

namespace {

// Texts a spectrum panel would write now.
std::vector<std::string> spectrum_texts()
{
    Record_canvas canvas(512, 130);
    plot_spectrum(canvas);
    std::vector<std::string> texts;
    for (const Canvas_call& c : canvas.calls)
        if (c.op == "text_out") texts.push_back(c.text);
    return texts;
}

// A second run needs the run button back: confirming a parameter set shows it.
void confirm_a_set(TGet_plots& picker, TMain_screen& main)
{
    QTest::mouseClick(picker.analog_par->button, Qt::LeftButton);
    main.parameter_menu()->set_quitClick();
}

} // namespace

TEST_F(Get_plots, SpectrumAfterANewRunHoldsNoValuesOfAnEarlierPlot)
{
    setup_and_run();
    main->view_item(1);
    ASSERT_GT(plot_ctrl.fft_count, 0) << "the plot filled the capture";
    main->erase_curves();
    confirm_a_set(picker(), *main);
    click(picker().run);
    EXPECT_THAT(spectrum_texts(), testing::ElementsAre("no valid input for FFT! "));

    main->view_item(-1); // the first plot of this run fills it again
    EXPECT_THAT(spectrum_texts(), testing::Contains(testing::StartsWith("stage: -1;")));
}

TEST_F(Get_plots, SetupEmptiesTheSpectrumCapture)
{
    plot_ctrl.fft_count = 7; // as left by an earlier window
    press_setup();
    EXPECT_EQ(plot_ctrl.fft_count, 0);
}

// Small analog blocks and a cancel at the first report: a long run as the user stops it.
class Get_plots_cancel : public Ui_flow {
protected:
    size_t saved_block = Analog_mod::block_samples;
    void SetUp() override
    {
        Ui_flow::SetUp();
        Analog_mod::block_samples = 64;
    }
    void TearDown() override
    {
        Progress_runner::cancel_hook = nullptr;
        Analog_mod::block_samples = saved_block;
        Ui_flow::TearDown();
    }
};

TEST_F(Get_plots_cancel, CancelledRunLeavesPlotsRefusingAndSaysSo)
{
    setup_and_run();
    confirm_a_set(picker(), *main);
    int reports = 0;
    Progress_runner::cancel_hook = [&reports](double) { return ++reports >= 2; };
    click(picker().run);

    EXPECT_EQ(reports, 2) << "the run stopped at the block after the cancel";
    EXPECT_FALSE(main->error_line()->isHidden());
    EXPECT_THAT(main->error_line()->text().toStdString(), testing::HasSubstr("cancelled"));
    EXPECT_TRUE(shown_codes(picker()).empty());
    EXPECT_TRUE(shown_views(picker()).empty());
    EXPECT_TRUE(main->result_line()->isHidden());
    EXPECT_FALSE(picker().run->isHidden()) << "a new run can start at once";

    main->view_item(-1); // as its button would, were it offered
    const auto plots = plot_windows();
    ASSERT_EQ(plots.size(), 1);
    const auto& plot = dynamic_cast<TSignal_plot&>(*plots[0]);
    EXPECT_TRUE(plot.values.empty());
    EXPECT_EQ(main->error_line()->text(), run_needed_message);
}

TEST_F(Get_plots_cancel, RunAfterACancelledOneCountsAsWithoutIt)
{
    press_setup();
    Progress_runner::cancel_hook = [](double) { return true; };
    click(picker().run);
    Progress_runner::cancel_hook = nullptr;
    click(picker().run);
    EXPECT_TRUE(main->error_line()->isHidden());
    EXPECT_THAT(main->result_line()->text().toStdString(),
                testing::MatchesRegex(", rcve step 1: 0 wrong out of 24 signals; t = [0-9]+ sec"));
    EXPECT_EQ(shown_codes(picker()).size(), 33u);
}

// What a user sees of a plot window and the spectrum strip after a run.
struct Seen_after_run {
    QImage plot;
    QImage spectrum;
    QString plot_title;
    QString result;
};

// A plot window made larger and the spectrum strip shown, after a run or during it: from
// the worker, inside the job, the way a window manager's resize or a restored window
// reaches the window while a job runs.
class Get_plots_hand_over : public Ui_flow {
protected:
    void TearDown() override
    {
        Progress_runner::cancel_hook = nullptr;
        Ui_flow::TearDown();
    }

    Seen_after_run resize_and_show_spectrum(bool during_run)
    {
        setup_and_run();
        main->view_item(-106);
        auto* plot = dynamic_cast<TSignal_plot*>(plot_windows().at(0));
        const auto act = [&] {
            plot->resize(plot->width() + 40, plot->height() + 30);
            picker().FFTClick();
        };
        bool acted = false;
        if (during_run)
            Progress_runner::cancel_hook = [&](double) {
                if (!acted) QMetaObject::invokeMethod(qApp, act, Qt::BlockingQueuedConnection);
                acted = true;
                return false;
            };
        click(picker().run);
        Progress_runner::cancel_hook = nullptr;
        if (!during_run) act();
        EXPECT_EQ(acted, during_run);
        QCoreApplication::processEvents();
        return {plot->bits->image, main->fourier_plot(0)->Fourier->image, plot->windowTitle(),
                main->result_line()->text()};
    }
};

TEST_F(Get_plots_hand_over, WindowsChangedDuringARunShowWhatTheSameStepsAfterItShow)
{
    const Seen_after_run during = resize_and_show_spectrum(true);
    TearDown();
    SetUp();
    const Seen_after_run after = resize_and_show_spectrum(false);
    EXPECT_EQ(during.plot_title, after.plot_title);
    EXPECT_EQ(during.result, after.result);
    EXPECT_TRUE(during.plot == after.plot) << "plot picture";
    EXPECT_TRUE(during.spectrum == after.spectrum) << "spectrum picture";
}
