#include "ui/windows/run_extras.h"

#include "engine/elements.h"
#include "ui/parameters/lesson_btns.h"
#include "ui/parameters/sweep_dialog.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/vector_state.h"
#include "ui/widgets/menu_host.h"
#include "ui/widgets/progress_runner.h"
#include "ui/widgets/red_text.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/help_window.h"
#include "ui/windows/run_menue.h"

#include <QMdiArea>
#include <QPushButton>

#include <algorithm>

std::function<std::optional<Sweep_plan>(QWidget*, const std::optional<Sweep_plan>&)>
    TRun_extras::ask_plan =
        [](QWidget* parent, const std::optional<Sweep_plan>& last) -> std::optional<Sweep_plan> {
    TSweep_dialog dialog(parent, last);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.checked_plan();
};

namespace {

constexpr int button_width = 130;
constexpr int button_height = 18;
constexpr int sweep_width = 760;
// The first sweep window lies above the result line and the spectrum panels, which lie
// over the child windows.
constexpr int sweep_height = 310;
constexpr QPoint first_place(20, 30);

} // namespace

TRun_extras::TRun_extras(QWidget* parent, Menu_host& menu_host)
    : QWidget(parent), host(menu_host),
      cascade(first_place, QSize(sweep_width, sweep_height), Menu_host::cascade_step)
{
    error_sweep = red_button("error sweep", pixel_font("MS Sans Serif", 12, true), this);
    error_sweep->setObjectName("error_sweep");
    error_sweep->setGeometry(0, 0, button_width, button_height);
    error_sweep->setToolTip("run the chain for a range of one parameter and plot the share of "
                            "wrong signals of every receive step");
    connect(error_sweep, &QPushButton::clicked, this, &TRun_extras::error_sweepClick);
    lesson = new TLesson_btns(this, host, true);
    lesson->move(0, button_height + 2);
    help = new QPushButton("help", this);
    help->setObjectName("help");
    help->setGeometry(0, lesson->y() + lesson->height() + 2, button_width, button_height);
    help->setFont(pixel_font("MS Sans Serif", 12));
    help->setToolTip("what the blocks, views and result line show (F1)");
    connect(help, &QPushButton::clicked, this,
            [this] { THelp_window::open(&host.window_widget()); });
    resize(button_width, help->y() + help->height());
}

TSweep_window* TRun_extras::last_window() const { return opened.data(); }

void TRun_extras::error_sweepClick()
{
    const std::optional<Sweep_plan> plan = ask_plan(this, last_plan);
    if (!plan) return;
    last_plan = plan;
    if (!chain_ready()) {
        host.show_error(not_set_up_message);
        return;
    }
    Sweep_result result;
    Progress_runner::run(this, "error sweep: running the chain for every point",
                         [&](Progress& progress) {
                             clear_upper_vector_state();
                             result = run_sweep(*plan, progress);
                         });
    const bool complete = result.complete;
    auto* window = new TSweep_window(std::move(result));
    host.area().addSubWindow(window);
    place(window);
    window->show();
    opened = window;
    if (!complete) host.run_menu()->Get_plots->chain_not_run("error sweep");
}

void TRun_extras::place(TSweep_window* window)
{
    const auto children = host.child_windows();
    const bool another_open =
        std::any_of(children.begin(), children.end(), [window](const QMdiSubWindow* w) {
            return w != window && w->property("Tag").toInt() == TSweep_window::window_tag;
        });
    if (!another_open) cascade.restart();
    window->setGeometry(cascade.place(host.area().viewport()->size()));
}
