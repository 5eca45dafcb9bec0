#include "ui/widgets/progress_runner.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <functional>
#include <stdexcept>
#include <thread>

namespace {

// Puts the dialog's delay back after each test.
class Progress_runner_test : public testing::Test {
protected:
    void TearDown() override { Progress_runner::show_after_ms = 500; }
};

QProgressDialog* shown_dialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

// A job that reports until stopped while act is polled on the window's thread; once act
// returns true the job ends by itself, so a gesture that misses it cannot hang the test.
bool run_while(QWidget* parent, const std::function<bool()>& act)
{
    std::atomic<bool> acted{false};
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!acted.load() && act()) acted.store(true);
    });
    poll.start(0);
    return Progress_runner::run(parent, "running the chain", [&](Progress& progress) {
        while (progress.report(0.5) && !acted.load()) std::this_thread::yield();
    });
}

// A click as the platform delivers it: to the window, which routes it to the widget.
void click_through_window(QWidget* widget)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(top, widget->rect().center()));
}

void activate(QWidget& window)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

enum class Gesture { cancel_click, escape_key, close_box, main_close_box };

// Stops the job through the dialog's window, as the platform does for each gesture.
void give(Gesture g, QProgressDialog& dialog)
{
    switch (g) {
    case Gesture::cancel_click: click_through_window(dialog.findChild<QPushButton*>()); break;
    case Gesture::escape_key: QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape); break;
    case Gesture::close_box: dialog.windowHandle()->close(); break;
    case Gesture::main_close_box: dialog.parentWidget()->window()->windowHandle()->close(); break;
    }
}

} // namespace

// A click on Cancel as the platform sends it, Esc and the dialog's close box each stop the
// job, and run says it was stopped. A shortcut for Esc that would take the key from any
// window must leave it to the dialog. The main window's close box also stops the job, and
// the window closes once the job has ended.
TEST_F(Progress_runner_test, CancelEscAndTheCloseBoxesStopTheWork)
{
    QWidget main;
    auto* panel = new QWidget(&main);
    int main_escapes = 0;
    auto* escape = new QShortcut(Qt::Key_Escape, &main);
    escape->setContext(Qt::ApplicationShortcut);
    QObject::connect(escape, &QShortcut::activated, [&] { ++main_escapes; });
    main.show();
    Progress_runner::show_after_ms = 0;
    for (Gesture g : {Gesture::cancel_click, Gesture::escape_key, Gesture::close_box,
                      Gesture::main_close_box}) {
        SCOPED_TRACE(static_cast<int>(g));
        QString label;
        const bool finished = run_while(panel, [&] {
            QProgressDialog* dialog = shown_dialog();
            if (dialog == nullptr) return false;
            label = dialog->windowTitle();
            activate(*dialog);
            give(g, *dialog);
            EXPECT_TRUE(main.isVisible()) << "not closed while the job runs";
            return true;
        });
        EXPECT_FALSE(finished);
        EXPECT_EQ(label, "running the chain");
    }
    EXPECT_EQ(main_escapes, 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(main.isVisible());
}

TEST_F(Progress_runner_test, OtherWindowsTakeNoInputBeforeOrAfterTheDialogShows)
{
    QWidget window;
    window.resize(200, 100);
    auto* button = new QPushButton("run", &window);
    button->setGeometry(10, 10, 80, 30);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(10, 50, 80, 30);
    window.show();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    edit->setFocus();

    for (int show_after : {INT_MAX, 0}) {
        Progress_runner::show_after_ms = show_after;
        run_while(nullptr, [&] {
            if (show_after == 0 && shown_dialog() == nullptr) return false;
            activate(window); // as a window manager does on a click
            QTest::keyClick(window.windowHandle(), Qt::Key_X);
            click_through_window(button);
            return true;
        });
        QCoreApplication::processEvents(); // nothing was kept to act afterwards
        EXPECT_EQ(clicks, 0) << show_after;
        EXPECT_EQ(edit->text(), "") << show_after;
    }
    // The same gestures without a job reach the window.
    activate(window);
    QTest::keyClick(window.windowHandle(), Qt::Key_X); // before the click takes the focus
    click_through_window(button);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->text(), "x");
}

TEST_F(Progress_runner_test, HandlersWaitingForTheJobRunOnceAfterIt)
{
    QObject owner;
    auto* gone = new QObject;
    std::vector<std::string> ran;
    run_while(nullptr, [&] {
        Progress_runner::when_idle(&owner, [&] { ran.push_back("first"); });
        Progress_runner::when_idle(&owner, [&] { ran.push_back("second"); });
        Progress_runner::when_idle(gone, [&] { ran.push_back("of a deleted owner"); });
        delete gone;
        return true;
    });
    EXPECT_TRUE(ran.empty()) << "not before the handler that ran the job returns";
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, std::vector<std::string>{"second"});
    Progress_runner::when_idle(&owner, [&] { ran.push_back("at once"); });
    EXPECT_EQ(ran.back(), "at once");
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
