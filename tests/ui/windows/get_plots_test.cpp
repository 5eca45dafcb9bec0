#include "ui/windows/get_plots.h"

#include "plot/plot_objects.h"
#include "tests/fakes/record_canvas.h"
#include "tests/ui/windows/window_fixture.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/plots/fourier_plot.h"
#include "ui/plots/signal_plot.h"
#include "ui/views/bp_plots.h"
#include "ui/views/constellation_view.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"

#include <gmock/gmock.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

using Get_plots = Window_flow;

namespace {

struct Offered {
    const char* chain;
    int stages;
    void (*change)(Analog_pars&);
    int codes; // number of blue buttons; -1 when not counted
    std::set<int> shown;
    std::set<int> hidden;
    std::set<std::string> views;
};

const std::set<std::string> every_view{"en_decoder", "FFT",  "Walsh", "PN_U",
                                       "PN_I",       "PN_Q", "eye",   "bp_filter"};
const std::set<int> q_codes{205, 206, 207, -204, -205, -206, -406, -207, -208};

void one_branch(Analog_pars& p) { p.iq_branches = 1.0f; }
void mixers_off(Analog_pars& p) { p.if_mod = p.rf_mod = p.rf_demod = 0.0f; }

} // namespace

// After a run the diagram offers a button for each signal and view the chain has.
TEST_F(Get_plots, RunOffersTheButtonsOfTheStagesAndBranchesOfTheChain)
{
    const std::vector<Offered> rows = {
        {"full", 6, nullptr, 33, {}, {}, every_view},
        {"one branch", 6, one_branch, 24, {}, q_codes, every_view},
        {"mixers off", 6, mixers_off, -1, {7, 10, 11, -9, -108}, {107, 207, 9, -10}, every_view},
        {"2 stages", 2, nullptr, -1, {}, {}, {"en_decoder", "FFT"}},
        {"1 stage", 1, nullptr, 3, {0, 1, -1}, {}, {}},
        {"no stages", 0, nullptr, 1, {0}, {}, {}},
    };
    for (const Offered& r : rows) {
        SCOPED_TRACE(r.chain);
        restart();
        if (r.change != nullptr) r.change(analog_pars());
        setup_and_run(r.stages);
        const std::set<int> codes = shown_codes();
        if (r.codes >= 0) {
            EXPECT_EQ(codes.size(), static_cast<size_t>(r.codes));
        }
        for (int c : r.shown) EXPECT_EQ(codes.count(c), 1u) << c;
        for (int c : r.hidden) EXPECT_EQ(codes.count(c), 0u) << c;
        EXPECT_EQ(shown_views(), r.views);
        EXPECT_FALSE(picker().distort_par->button->isHidden());
    }
}

TEST_F(Get_plots, SpectrumSlotsFillUpperFirstShiftUpAndCloseLowerFirst)
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

    // A click on a spectrum closes it, the upper one only once the lower is gone.
    QTest::mouseClick(upper.Fourier, Qt::LeftButton);
    EXPECT_FALSE(upper.isHidden());
    QTest::mouseClick(lower.Fourier, Qt::LeftButton);
    EXPECT_TRUE(lower.isHidden());
    QTest::mouseClick(upper.Fourier, Qt::LeftButton);
    EXPECT_TRUE(upper.isHidden());
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
        {picker().constellation, main->constellation(), main->constellation()->xmit_rcve},
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
    plot_ctrl.fft_count = 7; // as left by an earlier window
    press_setup();
    EXPECT_EQ(plot_ctrl.fft_count, 0) << "setup empties the capture";
    click(picker().run);
    click(picker().stage_button(1));
    ASSERT_GT(plot_ctrl.fft_count, 0) << "the plot filled the capture";
    main->erase_curves();
    confirm_a_set(picker(), *main);
    click(picker().run);
    EXPECT_THAT(spectrum_texts(), testing::ElementsAre("no valid input for FFT! "));

    click(picker().stage_button(-1)); // the first plot of this run fills it again
    EXPECT_THAT(spectrum_texts(), testing::Contains(testing::StartsWith("stage: -1;")));
}

// Small analog blocks and a cancel at the first report: a long run as the user stops it.
TEST_F(Get_plots, CancelledRunLeavesPlotsRefusingAndTheNextRunCountsAsWithoutIt)
{
    Analog_mod::block_samples = 64;
    setup_and_run();
    confirm_a_set(picker(), *main);
    int reports = 0;
    Progress_runner::cancel_hook = [&reports](double) { return ++reports >= 2; };
    click(picker().run);

    EXPECT_EQ(reports, 2) << "the run stopped at the block after the cancel";
    EXPECT_THAT(main->error_line()->text().toStdString(), testing::HasSubstr("cancelled"));
    EXPECT_TRUE(shown_codes().empty() && shown_views().empty());
    EXPECT_FALSE(picker().run->isHidden()) << "a new run can start at once";

    main->view_item(-1); // as its button would, were it offered
    const auto plots = plot_windows();
    ASSERT_EQ(plots.size(), 1);
    const auto& plot = dynamic_cast<TSignal_plot&>(*plots[0]);
    EXPECT_TRUE(plot.values.empty());
    EXPECT_EQ(main->error_line()->text(), run_needed_message);

    Progress_runner::cancel_hook = nullptr;
    click(picker().run);
    EXPECT_THAT(main->result_line()->text().toStdString(),
                testing::MatchesRegex(", rcve step 1: 0 wrong out of 24 signals; t = [0-9]+ sec"));
    EXPECT_EQ(shown_codes().size(), 33u);
}

// A plot window made larger and the spectrum strip shown, after a run or during it: from
// the worker, inside the job, the way a window manager's resize or a restored window
// reaches the window while a job runs. Both must end as the same pictures.
TEST_F(Get_plots, WindowsChangedDuringARunShowWhatTheSameStepsAfterItShow)
{
    // The plot's picture and title, the spectrum's picture and the result.
    using Seen = std::tuple<QImage, QString, QImage, QString>;
    const auto resize_and_show_spectrum = [this](bool during_run) -> Seen {
        setup_and_run();
        click(picker().stage_button(-106));
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
        return {plot->bits->image, plot->windowTitle(), main->fourier_plot(0)->Fourier->image,
                main->result_line()->text()};
    };
    const Seen during = resize_and_show_spectrum(true);
    restart();
    const Seen after = resize_and_show_spectrum(false);
    EXPECT_TRUE(std::get<0>(during) == std::get<0>(after)) << "plot picture";
    EXPECT_EQ(std::get<1>(during), std::get<1>(after));
    EXPECT_TRUE(std::get<2>(during) == std::get<2>(after)) << "spectrum picture";
    EXPECT_EQ(std::get<3>(during), std::get<3>(after));
}
