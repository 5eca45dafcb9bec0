#include "ui/windows/shortcuts.h"

#include "ui/plots/sweep_window.h"
#include "ui/widgets/menu_host.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/help_window.h"
#include "ui/windows/run_menue.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>

namespace {

// The views that teach one block; the result, error and parameter lines are no views.
constexpr int teaching_views =
    Menu_host::fourier_view_1 | Menu_host::fourier_view_2 | Menu_host::spreading_view |
    Menu_host::pn_generator_view_1 | Menu_host::pn_generator_view_2 | Menu_host::eye_view |
    Menu_host::constellation_view | Menu_host::band_pass_view | Menu_host::viterbi_view;

} // namespace

TShortcuts::TShortcuts(Menu_host& menu_host) : QObject(&menu_host.window_widget()), host(menu_host)
{
    const std::pair<QKeySequence, void (TShortcuts::*)()> keys[] = {
        {QKeySequence(Qt::Key_F1), &TShortcuts::helpKey},
        {QKeySequence(Qt::Key_Escape), &TShortcuts::escapeKey},
        {QKeySequence(Qt::CTRL | Qt::Key_W), &TShortcuts::closeKey},
        {QKeySequence(Qt::CTRL | Qt::Key_R), &TShortcuts::runKey},
    };
    for (const auto& [key, handler] : keys) {
        auto* s = new QShortcut(key, &host.window_widget());
        connect(s, &QShortcut::activated, this, handler);
        // A child window's system menu also claims Ctrl+W (Close); ours decides.
        connect(s, &QShortcut::activatedAmbiguously, this, handler);
    }
}

void TShortcuts::helpKey() { THelp_window::open(&host.window_widget()); }

void TShortcuts::escapeKey() { host.clear_display(teaching_views); }

void TShortcuts::closeKey()
{
    QMdiSubWindow* w = host.area().activeSubWindow();
    if (w == nullptr) return;
    const int tag = w->property("Tag").toInt();
    // Plot windows and sweep windows; the menus stay.
    if (std::abs(tag) < Menu_host::plot_tag_limit || tag == TSweep_window::window_tag) w->close();
}

void TShortcuts::runKey()
{
    if (host.run_menu() == nullptr) {
        host.show_error(before_setup_hint);
        return;
    }
    QPushButton* run = host.run_menu()->Get_plots->run;
    if (run->isVisibleTo(host.run_menu()))
        run->click();
    else
        host.show_error(run_hidden_hint);
}
