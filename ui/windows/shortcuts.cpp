#include "ui/windows/shortcuts.h"

#include "ui/windows/get_plots.h"
#include "ui/windows/help_window.h"
#include "ui/windows/main_screen.h"
#include "ui/windows/run_menue.h"
#include "ui/plots/sweep_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>

namespace {

// The views that teach one block; the result, error and parameter lines are no views.
constexpr int teaching_views = TMain_screen::fourier_view_1 | TMain_screen::fourier_view_2 |
                               TMain_screen::spreading_view | TMain_screen::pn_generator_view_1 |
                               TMain_screen::pn_generator_view_2 | TMain_screen::eye_view |
                               TMain_screen::band_pass_view | TMain_screen::viterbi_view;

} // namespace

TShortcuts::TShortcuts(TMain_screen& main_screen) : QObject(&main_screen), main(main_screen)
{
    const std::pair<QKeySequence, void (TShortcuts::*)()> keys[] = {
        {QKeySequence(Qt::Key_F1), &TShortcuts::helpKey},
        {QKeySequence(Qt::Key_Escape), &TShortcuts::escapeKey},
        {QKeySequence(Qt::CTRL | Qt::Key_W), &TShortcuts::closeKey},
        {QKeySequence(Qt::CTRL | Qt::Key_R), &TShortcuts::runKey},
    };
    for (const auto& [key, handler] : keys) {
        auto* s = new QShortcut(key, &main);
        connect(s, &QShortcut::activated, this, handler);
        // A child window's system menu also claims Ctrl+W (Close); ours decides.
        connect(s, &QShortcut::activatedAmbiguously, this, handler);
    }
}

void TShortcuts::helpKey() { THelp_window::open(&main); }

void TShortcuts::escapeKey() { main.clear_display(teaching_views); }

void TShortcuts::closeKey()
{
    QMdiSubWindow* w = main.mdi->activeSubWindow();
    if (w == nullptr) return;
    const int tag = w->property("Tag").toInt();
    // Plot windows and sweep windows; the menus stay.
    if (std::abs(tag) < TMain_screen::plot_tag_limit || tag == TSweep_window::window_tag)
        w->close();
}

void TShortcuts::runKey()
{
    if (main.run_menu == nullptr) {
        main.show_error(before_setup_hint);
        return;
    }
    QPushButton* run = main.run_menu->Get_plots->run;
    if (run->isVisibleTo(main.run_menu))
        run->click();
    else
        main.show_error(run_hidden_hint);
}
