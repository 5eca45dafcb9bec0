#include "ui/plots/signal_plot.h"

#include "tests/ui/ui_fixture.h"
#include "ui/pictures/plot_picture.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

using Signal_plot = Ui_flow;

namespace {

TSignal_plot& only_plot(const QList<QMdiSubWindow*>& plots)
{
    return dynamic_cast<TSignal_plot&>(*plots.at(0));
}

} // namespace

TEST_F(Signal_plot, CaptionOfTheConvolutionalCodeOverTheFirstWindow)
{
    setup_and_run(6, 3);
    main->view_item(1);
    TSignal_plot& plot = only_plot(plot_windows());
    EXPECT_EQ(plot.bits->width(), 750);
    EXPECT_EQ(plot.windowTitle(),
              "1. step; 0 - 7. conv. encoded signals, f= 0.029 MHz, y: -1.000 to 1.000");
}

TEST_F(Signal_plot, ReceiveSidePlotsCarryTheErrorComparison)
{
    setup_and_run(6, 3);
    main->view_item(-105);
    main->view_item(-306);
    const auto plots = plot_windows();
    EXPECT_TRUE(plots[0]->windowTitle().endsWith(": 0 wrong out of 2048 signals"))
        << plots[0]->windowTitle().toStdString();
    EXPECT_FALSE(plots[1]->windowTitle().contains("wrong out of"));
}

TEST_F(Signal_plot, DrawingHidesTheResultLine)
{
    setup_and_run(6, 3);
    main->result_line()->show();
    main->view_item(0);
    EXPECT_TRUE(main->result_line()->isHidden());
}

TEST_F(Signal_plot, CoveredWindowKeepsItsPicture)
{
    setup_and_run(6, 3);
    main->view_item(1);
    TSignal_plot& plot = only_plot(plot_windows());
    const QImage drawn = plot.bits->image;
    EXPECT_NE(drawn.pixel(1, drawn.height() / 2), drawn.pixel(0, 0)) << "something was drawn";
    EXPECT_EQ(plot.bits->grab().toImage().convertToFormat(QImage::Format_RGB32), drawn);
}

TEST_F(Signal_plot, HeadlessPictureEqualsTheWindowsPaintBox)
{
    setup_and_run(6, 3);
    for (int code : {-10, 1, -306}) {
        main->view_item(code);
        // --caption draws what "Save picture..." saves.
        const bool captioned = code == 1;
        const TSignal_plot& plot = dynamic_cast<TSignal_plot&>(*plot_windows().back());
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
                  captioned ? with_caption(plot.bits->image, plot.caption) : plot.bits->image)
            << code;
    }
}

TEST_F(Signal_plot, TitleLineReadsOutTheDrawnValueUnderTheMouse)
{
    setup_and_run(6, 3);
    for (int code : {1, -306}) {
        main->view_item(code);
        TSignal_plot& plot = dynamic_cast<TSignal_plot&>(*plot_windows().back());
        QCoreApplication::processEvents();
        const QString caption = plot.windowTitle();
        for (int x : {0, 3, 250, 600, 748}) {
            QTest::mouseMove(plot.bits, QPoint(x, 60));
            const QString text = plot.windowTitle();
            const auto v = static_cast<double>(plot.values[static_cast<size_t>(x)]);
            EXPECT_TRUE(text.endsWith("value " + QString::number(v, 'g', 6)))
                << code << " " << x << " " << text.toStdString();
            EXPECT_EQ(text.contains("sample"), code == 1) << text.toStdString();
        }
        // The values are those drawn: reading them changes nothing of the drawing.
        EXPECT_EQ(plot.caption, caption);
        plot.bitsLeave();
        EXPECT_EQ(plot.windowTitle(), caption);
    }
}
