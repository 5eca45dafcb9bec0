#pragma once
// A fresh main screen with its start menu, as the program starts, on program-start
// parameters; helpers drive it as a user does.

#include "engine/parameters.h"
#include "ui/plots/signal_plot.h"
#include "ui/widgets/progress_runner.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/main_screen.h"
#include "ui/windows/run_menue.h"
#include "ui/windows/start_menue.h"

#include <QCoreApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class Ui_flow : public testing::Test {
protected:
    std::unique_ptr<TMain_screen> main;

    void SetUp() override
    {
        analog_pars().set_defaults();
        apply_start_pars(6, 3);
        main = std::make_unique<TMain_screen>();
        main->show();
        main->open_start_menu();
    }

    void TearDown() override
    {
        Progress_runner::cancel_hook = nullptr;
        main.reset();
        flush_deletes();
    }

    static void flush_deletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    void press_setup(int stages = 6, int bytes = 3)
    {
        apply_start_pars(stages, bytes);
        click(main->start_menu()->setup);
        flush_deletes();
    }

    TGet_plots& picker() { return *main->run_menu()->Get_plots; }

    void setup_and_run(int stages = 6, int bytes = 3)
    {
        press_setup(stages, bytes);
        click(picker().run);
    }

    // Child windows carrying a stage code.
    QList<QMdiSubWindow*> plot_windows() const
    {
        flush_deletes();
        QList<QMdiSubWindow*> plots;
        for (QMdiSubWindow* w : main->child_windows())
            if (w->property("Tag").toInt() < 1000) plots.push_back(w);
        return plots;
    }

    // Opens the plot of a stage code, as its blue button does.
    TSignal_plot& show_plot(int code)
    {
        main->view_item(code);
        return dynamic_cast<TSignal_plot&>(*plot_windows().back());
    }
};

// Every pixel of image from row `top` down is white.
inline bool white_from_row(const QImage& image, int top)
{
    for (int y = top; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
