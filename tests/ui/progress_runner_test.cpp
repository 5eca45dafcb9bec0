#include "ui/progress_runner.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace {

// Puts the runner's settings back after each test.
class Progress_runner_test : public testing::Test {
protected:
    void TearDown() override
    {
        Progress_runner::cancel_hook = nullptr;
        Progress_runner::show_after_ms = 500;
    }
};

} // namespace

TEST_F(Progress_runner_test, WorkThatEndsOnItsOwnIsReportedAsFinished)
{
    int reports = 0;
    const bool finished = Progress_runner::run(nullptr, "counting", [&](Progress& progress) {
        for (int i = 1; i <= 10; ++i)
            if (progress.report(i / 10.0)) ++reports;
    });
    EXPECT_TRUE(finished);
    EXPECT_EQ(reports, 10);
}

TEST_F(Progress_runner_test, CancelStopsTheWorkAtItsNextReport)
{
    Progress_runner::cancel_hook = [](double done) { return done >= 0.3; };
    int steps = 0;
    const bool finished = Progress_runner::run(nullptr, "counting", [&](Progress& progress) {
        for (int i = 1; i <= 10; ++i) {
            ++steps;
            if (!progress.report(i / 10.0)) return;
        }
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(steps, 3);
}

TEST_F(Progress_runner_test, TheDialogsCancelButtonStopsTheWork)
{
    Progress_runner::show_after_ms = 0;
    QString label;
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible()) continue;
            label = dialog->labelText();
            for (auto* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "Cancel") QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    press.start(0);
    const bool finished =
        Progress_runner::run(nullptr, "running the chain", [](Progress& progress) {
            while (progress.report(0.5)) std::this_thread::yield();
        });
    EXPECT_FALSE(finished);
    EXPECT_EQ(label, "running the chain");
}

TEST_F(Progress_runner_test, AnExceptionOfTheWorkIsThrownOnTheCallersThread)
{
    const auto caller = std::this_thread::get_id();
    std::thread::id worker;
    EXPECT_THROW(Progress_runner::run(nullptr, "failing",
                                      [&](Progress&) {
                                          worker = std::this_thread::get_id();
                                          throw std::runtime_error("broken");
                                      }),
                 std::runtime_error);
    EXPECT_NE(worker, caller);
}
