#include "ui/plots/fourier_plot.h"

#include "tests/ui/ui_fixture.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/widgets/paint_box.h"

#include <QLabel>

using Fourier_plot = Ui_flow;

TEST_F(Fourier_plot, ReadOutBesideTheStripShowsFrequencyAndDrawnLevel)
{
    setup_and_run(6, 3);
    main->view_item(1);
    QCoreApplication::processEvents();
    click(picker().FFT);
    TFourier_plot& strip = *main->fourier_plot(0);
    ASSERT_FALSE(strip.drawn.levels.empty());
    for (int x : {0, 300}) {
        QTest::mouseMove(strip.Fourier, QPoint(x, 60));
        EXPECT_FALSE(strip.read_out->isHidden()) << x;
        EXPECT_EQ(strip.read_out->text().replace("\n", ", ").toStdString(),
                  spectrum_read_out(strip.drawn, x));
        const auto level = static_cast<double>(strip.drawn.levels[static_cast<size_t>(x)]);
        EXPECT_TRUE(strip.read_out->text().endsWith("level " + QString::number(level, 'g', 4)))
            << strip.read_out->text().toStdString();
    }
    strip.hide();
    EXPECT_TRUE(strip.read_out->isHidden());
}

// A spectrum drawn, its strip closed, then: nothing (the picture stays under the message),
// Erase (its window is gone), a new run (its signals are gone) or the window's close box.
TEST_F(Fourier_plot, SpectrumOfAClosedWindowOrAnEarlierRunIsClearedNotWrittenOver)
{
    enum Change { none, erase, new_run, close_window };
    for (const Change change : {none, erase, new_run, close_window}) {
        SetUp();
        setup_and_run(6, 3);
        main->view_item(1);
        QCoreApplication::processEvents();
        TFourier_plot& strip = *main->fourier_plot(0);
        click(picker().FFT);
        strip.FourierClick();
        if (change == erase) click(main->erase_button());
        if (change == new_run) {
            click(picker().analog_par->button);
            main->parameter_menu()->set_quitClick();
            click(picker().run);
        }
        if (change == close_window) plot_windows().front()->close();
        flush_deletes();
        click(picker().FFT);
        // Below the one line of "no valid input for FFT! " all is white.
        EXPECT_EQ(white_from_row(strip.Fourier->image, 30), change != none) << change;
        TearDown();
    }
}
