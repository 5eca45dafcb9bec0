#include "ui/save_dialog.h"

#include "tests/ui/ui_fixture.h"
#include "ui/fourier_plot.h"
#include "ui/get_plots.h"
#include "ui/paint_box.h"
#include "ui/signal_plot.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <charconv>
#include <string>

namespace {

// The dialogs answer with a file name in a temporary directory; failures are collected.
class Save_dialogs : public Ui_flow {
protected:
    QTemporaryDir dir;
    QString answer;
    QString suggested;
    QString filter;
    QStringList failures;
    decltype(Save_dialog::choose) saved_choose = Save_dialog::choose;
    decltype(Save_dialog::failed) saved_failed = Save_dialog::failed;

    void TearDown() override
    {
        Save_dialog::choose = saved_choose;
        Save_dialog::failed = saved_failed;
        Ui_flow::TearDown();
    }

    void SetUp() override
    {
        Ui_flow::SetUp();
        Save_dialog::choose = [this](QWidget*, const QString&, const QString& name,
                                     const QString& f) {
            suggested = name;
            filter = f;
            return answer.isEmpty() ? QString() : dir.filePath(answer);
        };
        Save_dialog::failed = [this](QWidget*, const QString& text) { failures << text; };
    }

    TSignal_plot& plot_of(int code)
    {
        main->view_item(code);
        return dynamic_cast<TSignal_plot&>(*plot_windows().back());
    }
};

QStringList csv_lines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

float read_float(const QString& text)
{
    const std::string s = text.toStdString();
    float v = 0.0f;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

} // namespace

TEST(With_suffix, AddsTheSuffixOnlyToANameWithoutOne)
{
    EXPECT_EQ(with_suffix("/tmp/a", "png"), "/tmp/a.png");
    EXPECT_EQ(with_suffix("/tmp/a.png", "png"), "/tmp/a.png");
    EXPECT_EQ(with_suffix("/tmp/a.PNG", "png"), "/tmp/a.PNG");
    EXPECT_EQ(with_suffix("/tmp/dir.d/a", "csv"), "/tmp/dir.d/a.csv");
    EXPECT_EQ(with_suffix("", "csv"), "");
}

TEST_F(Save_dialogs, PlotPictureSuggestsItsCodeAndGetsItsSuffix)
{
    setup_and_run();
    TSignal_plot& plot = plot_of(-106);
    answer = "picture";
    plot.save_picture_as();
    EXPECT_EQ(suggested, "plot_-106.png");
    EXPECT_EQ(filter, "PNG picture (*.png)");
    EXPECT_EQ(QImage(dir.filePath("picture.png")).convertToFormat(QImage::Format_RGB32),
              plot.bits->image);
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(Save_dialogs, ValuesStartWithTheCaptionAndReadBackExactly)
{
    setup_and_run();
    TSignal_plot& plot = plot_of(-106);
    answer = "values";
    plot.save_values_as();
    EXPECT_EQ(suggested, "plot_-106.csv");
    const QStringList lines = csv_lines(dir.filePath("values.csv"));
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(plot.values.size()) + 2);
    EXPECT_EQ(lines[0], "# " + plot.windowTitle());
    EXPECT_EQ(lines[1], "t_us,value");
    for (size_t i = 0; i < plot.values.size(); ++i) {
        const QStringList cells = lines[static_cast<qsizetype>(i) + 2].split(',');
        ASSERT_EQ(cells.size(), 2);
        EXPECT_EQ(read_float(cells[0]), plot.times_us[i]) << i;
        EXPECT_EQ(read_float(cells[1]), plot.values[i]) << i;
    }
    EXPECT_EQ(lines[2].split(',')[0], "0") << "no trailing digits";
}

TEST_F(Save_dialogs, SpectrumSuggestsTheStageOfItsValues)
{
    setup_and_run();
    plot_of(1);
    click(picker().FFT);
    answer = "spectrum";
    main->Fourier_plot1->save_picture_as();
    EXPECT_EQ(suggested, "spectrum_1.png");
    EXPECT_TRUE(QFile::exists(dir.filePath("spectrum.png")));
}

TEST_F(Save_dialogs, FailedWriteIsToldAndCancelWritesNothing)
{
    setup_and_run();
    TSignal_plot& plot = plot_of(1);
    answer = "missing/values.csv";
    plot.save_values_as();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_THAT(failures[0].toStdString(), testing::HasSubstr("missing/values.csv"));
    answer.clear();
    plot.save_picture_as();
    EXPECT_EQ(failures.size(), 1);
}
