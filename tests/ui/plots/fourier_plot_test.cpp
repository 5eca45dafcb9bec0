#include "ui/plots/fourier_plot.h"

#include "tests/ui/ui_fixture.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/widgets/paint_box.h"

using Fourier_plot = Ui_flow;

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
