#include "ui/fourier_plot.h"

#include "tests/ui/ui_fixture.h"
#include "ui/paint_box.h"

#include <QLabel>

using Fourier_plot = Ui_flow;

TEST_F(Fourier_plot, ReadOutBesideTheStripShowsFrequencyAndDrawnLevel)
{
    setup_and_run(6, 3);
    main->view_item(1);
    QCoreApplication::processEvents();
    click(picker().FFT);
    TFourier_plot& strip = *main->Fourier_plot1;
    ASSERT_FALSE(strip.isHidden());
    ASSERT_FALSE(strip.drawn.levels.empty());
    for (int x : {0, 1, 64, 300}) {
        QTest::mouseMove(strip.Fourier, QPoint(x, 60));
        EXPECT_FALSE(strip.read_out->isHidden()) << x;
        EXPECT_EQ(strip.read_out->text().replace("\n", ", ").toStdString(),
                  spectrum_read_out(strip.drawn, x));
        const auto level = static_cast<double>(strip.drawn.levels[static_cast<size_t>(x)]);
        EXPECT_TRUE(strip.read_out->text().endsWith("level " + QString::number(level, 'g', 4)))
            << strip.read_out->text().toStdString();
    }
    // It covers nothing of the spectrum.
    EXPECT_FALSE(strip.read_out->geometry().intersects(strip.geometry()));
    strip.hide();
    EXPECT_TRUE(strip.read_out->isHidden());
}
