#include "ui/windows/main_screen.h"

#include "engine/elements.h"
#include "plot/plot_objects.h"
#include "ui/parameters/lesson_btns.h"
#include "ui/parameters/parameter_menue.h"
#include "ui/pictures/pixel_font.h"
#include "ui/plots/fourier_plot.h"
#include "ui/plots/signal_plot.h"
#include "ui/views/bp_plots.h"
#include "ui/views/constellation_view.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/pn_generator.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/click_line.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/run_menue.h"
#include "ui/windows/set_times.h"
#include "ui/windows/shortcuts.h"
#include "ui/windows/start_menue.h"

#include <QFont>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace {

constexpr int screen_width = 1032;
constexpr int screen_height = 702;
constexpr int max_height = 768;
constexpr int plot_width = 758;
constexpr int plot_height = 155;
// The generator pictures are drawn for their 990 x 73-pixel boxes; a smaller frame would
// cut off the last cells, the feedback line or the label. Both lie below the spreading
// explorer and above the window's bottom edge.
constexpr int pn_generator_width = 1000;
constexpr int pn_generator_height = 73;
constexpr int pn_generator_top[2] = {screen_height - 2 * pn_generator_height - 2,
                                     screen_height - pn_generator_height - 1};

int window_tag(const QMdiSubWindow* w) { return w->property("Tag").toInt(); }

} // namespace

TMain_screen::TMain_screen()
    : plot_cascade(QPoint(0, first_top), QSize(plot_width, plot_height), cascade_step)
{
    setWindowTitle("Simulation of the digital and analog steps in CDMA transmission/reception");
    resize(screen_width, screen_height);
    setMaximumSize(screen_width, max_height);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect desk = s->availableGeometry();
        move(desk.center() - QPoint(screen_width / 2, screen_height / 2));
    }

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    mdi = new QMdiArea(central);
    // A plot window that lies partly outside the area can be scrolled into view.
    mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(mdi);

    // The panels lie above the child windows: later children of the central widget,
    // outside its layout.
    Erase = new QPushButton("Erase", central);
    Erase->setGeometry(475, 2, 79, 25);
    Erase->setFont(pixel_font("MS Sans Serif", 24, true));
    Erase->setStyleSheet("color: rgb(0, 0, 255)");
    connect(Erase, &QPushButton::clicked, this, &TMain_screen::EraseClick);

    error_message = new Click_line(central);
    error_message->setGeometry(503, 325, 284, 23);
    error_message->hide();
    error_message->on_click = [this] { clear(error_message); };

    Pn_generator1 = new TPn_generator(central, *this);
    Pn_generator1->setGeometry(8, pn_generator_top[0], pn_generator_width, pn_generator_height);
    Pn_generator2 = new TPn_generator(central, *this);
    Pn_generator2->setGeometry(8, pn_generator_top[1], pn_generator_width, pn_generator_height);
    Eye_patterns = new TEye_patterns(central, *this);
    Eye_patterns->move(8, 350);
    Constellation_view = new TConstellation_view(central, *this);
    Constellation_view->move(8, 350);

    result = new Click_line(central);
    result->setGeometry(553, 350, 267, 23);
    result->on_click = [this] { clear(result); };

    Viterbi_decoder = new TViterbi_decoder(central, *this);
    Viterbi_decoder->move(4, 350);
    Spreading_fcts = new TSpreading_fcts(central, {Pn_generator1, Pn_generator2});
    Spreading_fcts->move(8, 320);
    Bp_plots = new TBp_plots(central, *this);
    Bp_plots->move(0, 350);

    Fourier_plot1 = new TFourier_plot(central, *this);
    Fourier_plot1->move(400, 430);
    Fourier_plot2 = new TFourier_plot(central, *this);
    Fourier_plot2->move(400, 560);
    Fourier_plot1->set_strip_below(Fourier_plot2);

    Parameter_menue = new TParameter_menue(central);
    Parameter_menue->move(10, 375);
    Parameter_menue->on_confirmed = [this] { show_menu_buttons(); };
    Parameter_menue->on_dismissed = [this] { show_menu_buttons(); };

    const std::array<QWidget*, 13> stacked{Erase,          error_message,   Pn_generator1,
                                           Pn_generator2,  Eye_patterns,    Constellation_view,
                                           result,         Viterbi_decoder, Spreading_fcts,
                                           Bp_plots,       Fourier_plot1,   Fourier_plot2,
                                           Parameter_menue};
    for (QWidget* w : stacked) w->raise();
    new TShortcuts(*this);
}

void TMain_screen::open_start_menu()
{
    start_window = new TStart_menue(*this);
    mdi->addSubWindow(start_window);
    start_window->place();
    start_window->show();
}

void TMain_screen::open_lesson(const QString& path)
{
    if (start_window != nullptr) start_window->lesson->load(path);
}

QList<QMdiSubWindow*> TMain_screen::child_windows() const
{
    return mdi->subWindowList(QMdiArea::CreationOrder);
}

void TMain_screen::EraseClick()
{
    erase_curves();
    clear_display(all_views);
}

void TMain_screen::view_item(int code)
{
    if (plots_opened == 0) {
        plot_cascade.restart();
    } else {
        const auto children = child_windows();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if (window_tag(*it) == code) {
                // Already open: bring it to the front instead of leaving it buried.
                mdi->setActiveSubWindow(*it);
                (*it)->raise();
                return;
            }
    }
    ++plots_opened;
    auto* plot = new TSignal_plot(*this, code);
    // Its values, if held for a spectrum, go with it.
    connect(plot, &QObject::destroyed, this, [code] { plot_ctrl.forget_window(code); });
    mdi->addSubWindow(plot);
    plot->setGeometry(plot_cascade.place(mdi->viewport()->size()));
    plot->show();
}

void TMain_screen::erase_curves()
{
    const auto children = child_windows();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (window_tag(*it) < plot_tag_limit) (*it)->close();
    plot_cascade.restart();
}

std::array<TMain_screen::View_bit, 12> TMain_screen::view_bits() const
{
    return {{{result_view, result},
             {error_view, error_message},
             {fourier_view_1, Fourier_plot1},
             {fourier_view_2, Fourier_plot2},
             {spreading_view, Spreading_fcts},
             {pn_generator_view_1, Pn_generator1},
             {pn_generator_view_2, Pn_generator2},
             {parameter_view, Parameter_menue},
             {eye_view, Eye_patterns},
             {constellation_view, Constellation_view},
             {band_pass_view, Bp_plots},
             {viterbi_view, Viterbi_decoder}}};
}

void TMain_screen::clear_display(int mask)
{
    for (const View_bit& v : view_bits())
        if ((mask & v.bit) != 0) v.view->hide();
}

void TMain_screen::clear(QWidget* sender)
{
    for (const View_bit& v : view_bits())
        if (v.view == sender) clear_display(v.bit);
}

void TMain_screen::redraw_plots_and_hide_views()
{
    const auto children = child_windows();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (std::abs(window_tag(*it)) < plot_tag_limit)
            if (auto* plot = dynamic_cast<TSignal_plot*>(*it)) caption_plot(*plot);
    clear_display(all_views);
}

void TMain_screen::open_parameter_menu(int tag)
{
    Parameter_menue->tag = tag;
    Parameter_menue->show();
    Parameter_menue->raise();
    erase_curves();
    clear_display(all_views & ~parameter_view);
    if (run_window != nullptr) {
        TGet_plots& picker = *run_window->Get_plots;
        picker.hide_buttons();
        picker.run->hide();
        picker.hide_parameter_buttons();
    } else if (start_window != nullptr) {
        start_window->hide_parameter_buttons();
    }
}

void TMain_screen::show_menu_buttons()
{
    if (!run_menu_shown) {
        if (start_window != nullptr) start_window->show_parameter_buttons();
        return;
    }
    TGet_plots& picker = *run_window->Get_plots;
    if (chain_ready()) picker.run->show();
    picker.show_parameter_buttons();
    run_window->setWindowTitle("run time menue:  click the 'xmit/rcve' button to start the "
                               "simulation of the transmission & reception");
    Erase->show();
}

void TMain_screen::show_error(const std::string& text)
{
    error_message->show_text(QString::fromStdString(text));
    bring_to_front(error_message);
    if (echo_lines) std::cout << "error: " << text << std::endl;
}

void TMain_screen::hide_error() { error_message->hide(); }

void TMain_screen::set_result(const std::string& text)
{
    result->show_text(QString::fromStdString(text));
    if (echo_lines) std::cout << "result: " << text << std::endl;
}

void TMain_screen::open_run_menu()
{
    start_window = nullptr; // closed by setup and gone with it
    const Picker_views views{Spreading_fcts, Viterbi_decoder,    {Fourier_plot1, Fourier_plot2},
                             Eye_patterns,   Constellation_view, Bp_plots,
                             result};
    run_window = new TRun_menue(*this, views);
    mdi->addSubWindow(run_window);
    run_window->place();
    run_window->show();
    run_menu_shown = true;
    run_window->Set_times->hide();
    // A failed allocation keeps its message in view: it is the only sign of it.
    clear_display(chain_ready() ? all_views : all_views & ~error_view);
    run_window->Get_plots->hide_buttons();
    show_menu_buttons();
}

void TMain_screen::forget_run()
{
    if (run_window == nullptr) return;
    EraseClick();
    run_window->Get_plots->hide_buttons();
    show_menu_buttons();
}

void TMain_screen::show_buttons()
{
    if (run_window != nullptr) run_window->Get_plots->show_buttons();
}
