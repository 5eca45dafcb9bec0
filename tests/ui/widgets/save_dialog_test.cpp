#include "ui/widgets/save_dialog.h"

#include "tests/ui/ui_fixture.h"
#include "ui/pictures/plot_picture.h"
#include "ui/pictures/safe_file.h"
#include "ui/plots/signal_plot.h"
#include "ui/widgets/paint_box.h"
#include "ui/windows/get_plots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

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
                                     const QString&) {
            suggested = name;
            return answer.isEmpty() ? QString() : dir.filePath(answer);
        };
        Save_dialog::failed = [this](QWidget*, const QString& text) { failures << text; };
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

// The real dialog, driven through its window as the platform delivers keys and clicks: a
// name typed without a suffix gets it before the dialog asks about replacing a file, so
// the question is about the file then written.
TEST_F(Save_dialogs, TheDialogAsksAboutTheFileWithItsSuffix)
{
    Save_dialog::choose = saved_choose;
    setup_and_run();
    TSignal_plot& plot = show_plot(1);
    const QString existing = dir.filePath("vals11.csv");
    ASSERT_TRUE(save_text(existing, "old\n"));
    QString question;
    bool typed = false;
    QTimer answer_dialogs;
    QObject::connect(&answer_dialogs, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            question = box->text();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                              yes->mapTo(box, yes->rect().center()));
        } else if (qobject_cast<QFileDialog*>(modal) != nullptr && !typed) {
            typed = true;
            // Queued: the question the keys open runs its own loop, in which this timer
            // would not fire again.
            QMetaObject::invokeMethod(
                modal,
                [&, window = modal->windowHandle()] {
                    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
                    for (const QChar c : dir.filePath("vals11"))
                        QTest::keyClick(window, c.toLatin1());
                    QTest::keyClick(window, Qt::Key_Return);
                },
                Qt::QueuedConnection);
        }
    });
    answer_dialogs.start(10);
    plot.save_values_as();
    EXPECT_THAT(question.toStdString(), testing::StartsWith("vals11.csv already exists."));
    EXPECT_EQ(csv_lines(existing).value(0), "# " + plot.caption);
    EXPECT_FALSE(QFile::exists(dir.filePath("vals11")));
}

// Each save suggests a name after what it shows: a picture carries its caption above the
// drawing, values start with the caption and read back exactly; nothing else is left.
TEST_F(Save_dialogs, SavesSuggestTheirNameAndWriteWhatIsShown)
{
    setup_and_run();
    TSignal_plot& plot = show_plot(-106);
    answer = "picture.png";
    plot.save_picture_as();
    EXPECT_EQ(suggested, "plot_-106.png");
    EXPECT_EQ(QImage(dir.filePath(answer)).convertToFormat(QImage::Format_RGB32),
              with_caption(plot.bits->image, plot.caption));

    answer = "values.csv";
    plot.save_values_as();
    EXPECT_EQ(suggested, "plot_-106.csv");
    const QStringList lines = csv_lines(dir.filePath(answer));
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(plot.values.size()) + 2);
    EXPECT_EQ(lines[0], "# " + plot.windowTitle());
    for (size_t i = 0; i < plot.values.size(); ++i) {
        const QStringList cells = lines[static_cast<qsizetype>(i) + 2].split(',');
        ASSERT_EQ(cells.size(), 2);
        EXPECT_EQ(read_float(cells[0]), plot.times_us[i]) << i;
        EXPECT_EQ(read_float(cells[1]), plot.values[i]) << i;
    }
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"picture.png", "values.csv"}))
        << "no temporary left behind";
}

// Which files cannot be written is the safe file's rule; here: a refused save writes
// nothing and says why.
TEST_F(Save_dialogs, RefusedSaveWritesNothingAndSaysWhy)
{
    setup_and_run();
    TSignal_plot& plot = show_plot(1);
    answer = "missing/values.csv";
    plot.save_values_as();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_THAT(failures[0].toStdString(), testing::HasSubstr("missing/values.csv"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}
