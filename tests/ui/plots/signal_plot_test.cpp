#include "ui/plots/signal_plot.h"

#include "tests/ui/ui_fixture.h"
#include "ui/pictures/plot_picture.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"

#include <QImage>
#include <QTemporaryDir>

#include <gmock/gmock.h>

using Signal_plot = Ui_flow;

// A plot's title names the step and its signals; on the receive side, past the decoder,
// it also counts the wrong signals. Drawing hides the result line.
TEST_F(Signal_plot, TitleNamesTheStepAndTheReceiveSideItsErrors)
{
    setup_and_run(6, 3);
    const std::vector<std::pair<int, testing::Matcher<std::string>>> rows = {
        {1, "1. step; 0 - 7. conv. encoded signals, f= 0.029 MHz, y: -1.000 to 1.000"},
        {-105, testing::EndsWith(": 0 wrong out of 2048 signals")},
        {-306, testing::Not(testing::HasSubstr("wrong out of"))},
    };
    for (const auto& [code, title] : rows) {
        SCOPED_TRACE(code);
        main->result_line()->show();
        EXPECT_THAT(show_plot(code).windowTitle().toStdString(), title);
        EXPECT_TRUE(main->result_line()->isHidden());
    }
}

// The window shows the picture it drew (not a white one, also when it was covered), and
// the command line draws the same picture without a window.
TEST_F(Signal_plot, WindowShowsItsPictureAndTheCommandLineDrawsTheSame)
{
    setup_and_run(6, 3);
    for (int code : {1, -306}) {
        SCOPED_TRACE(code);
        const TSignal_plot& plot = show_plot(code);
        const QImage& drawn = plot.bits->image;
        EXPECT_FALSE(white_from_row(drawn, 1)) << "something was drawn";
        EXPECT_EQ(plot.bits->grab().toImage().convertToFormat(QImage::Format_RGB32), drawn);
        // --caption draws what "Save picture..." saves.
        const bool captioned = code == 1;
        QTemporaryDir dir;
        Plot_picture p;
        p.code = code;
        p.start_us = 0.0f;
        p.window_us = 250.0f;
        p.width = plot.bits->width();
        p.height = plot.bits->height();
        p.png_path = dir.filePath("p.png").toStdString();
        p.with_caption = captioned;
        EXPECT_EQ(write_plot_picture(p), plot.windowTitle().toStdString());
        EXPECT_EQ(QImage(dir.filePath("p.png")).convertToFormat(QImage::Format_RGB32),
                  captioned ? with_caption(drawn, plot.caption) : drawn);
    }
}

// The window's wiring of the read-out, whose text is the plot layer's: under the mouse the
// title line reads out the drawn value; the caption comes back when the mouse leaves.
TEST_F(Signal_plot, TitleLineReadsOutTheDrawnValueUnderTheMouse)
{
    setup_and_run(6, 3);
    TSignal_plot& plot = show_plot(1);
    QCoreApplication::processEvents();
    const QString caption = plot.windowTitle();
    for (int x : {0, 748}) {
        QTest::mouseMove(plot.bits, QPoint(x, 60));
        const QString text = plot.windowTitle();
        const auto v = static_cast<double>(plot.values[static_cast<size_t>(x)]);
        EXPECT_TRUE(text.endsWith("value " + QString::number(v, 'g', 6)))
            << x << " " << text.toStdString();
    }
    plot.bitsLeave();
    EXPECT_EQ(plot.windowTitle(), caption);
}
