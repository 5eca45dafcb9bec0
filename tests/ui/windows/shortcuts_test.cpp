#include "ui/windows/shortcuts.h"

#include "tests/ui/ui_fixture.h"
#include "ui/plots/fourier_plot.h"
#include "ui/widgets/click_line.h"
#include "ui/windows/help_window.h"

#include <QApplication>
#include <QMdiArea>

using Shortcuts = Ui_flow;

namespace {

void press(QWidget& w, QKeyCombination key)
{
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, key.key(), key.keyboardModifiers());
    QCoreApplication::processEvents();
}

} // namespace

TEST_F(Shortcuts, CtrlRRunsOnlyWhileTheRunButtonIsOfferedAndOtherwiseSaysWhy)
{
    press(*main, Qt::CTRL | Qt::Key_R);
    EXPECT_EQ(main->error_line()->text(), TShortcuts::before_setup_hint);
    press_setup();
    press(*main, Qt::CTRL | Qt::Key_R);
    EXPECT_TRUE(picker().run->isHidden());
    EXPECT_FALSE(picker().stage_button(1)->isHidden());
    press(*main, Qt::CTRL | Qt::Key_R);
    EXPECT_EQ(main->error_line()->text(), TShortcuts::run_hidden_hint);
}

TEST_F(Shortcuts, EscHidesTheViewsCtrlWClosesThePlotInFrontButNoMenuAndF1OpensTheHelp)
{
    setup_and_run();
    main->view_item(1);
    main->view_item(-1);
    click(picker().FFT);
    ASSERT_FALSE(main->fourier_plot(0)->isHidden());
    press(*main, Qt::Key_Escape);
    EXPECT_TRUE(main->fourier_plot(0)->isHidden());

    main->area().setActiveSubWindow(plot_windows().back());
    press(*main, Qt::CTRL | Qt::Key_W);
    ASSERT_EQ(plot_windows().size(), 1);
    EXPECT_EQ(plot_windows().front()->property("Tag").toInt(), 1);
    main->area().setActiveSubWindow(main->run_menu());
    press(*main, Qt::CTRL | Qt::Key_W);
    EXPECT_TRUE(main->run_menu()->isVisible());
    EXPECT_EQ(plot_windows().size(), 1);

    press(*main, QKeyCombination(Qt::Key_F1));
    auto* help = main->findChild<THelp_window*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    click(main->run_menu()->findChild<QPushButton*>("help"));
    EXPECT_EQ(main->findChildren<THelp_window*>().size(), 1);
}
