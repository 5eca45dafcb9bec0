#include "ui/windows/get_plots.h"

#include "engine/parameters.h"
#include "engine/stage_codes.h"
#include "engine/xmit.h"
#include "plot/plot_objects.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/vector_state.h"
#include "ui/plots/fourier_plot.h"
#include "ui/views/bp_plots.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/menu_host.h"
#include "ui/widgets/progress_runner.h"
#include "ui/widgets/red_text.h"
#include "ui/windows/circuit_picture.h"
#include "ui/windows/run_menue.h"
#include "ui/windows/set_times.h"
#include "ui/windows/signal_tips.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <string_view>

namespace {

// Rows offered for nr_stages 0..6, and the view buttons each row releases (exclusive).
constexpr std::array<int, 7> rows_shown{1, 2, 3, 4, 5, 6, 9};
constexpr std::array<int, TGet_plots::row_total> view_limit{3, 3, 5, 6, 7, 9, 12, 0, 0};

bool on(float x) { return x == 1.0f; }

} // namespace

int rows_for_stages(int stages)
{
    return rows_shown[static_cast<size_t>(std::clamp(stages, 0, 6))];
}

bool slot_shown(int r, int j)
{
    const Analog_pars& p = analog_pars();
    const bool two = p.iq_branches == 2.0f;
    switch (r) {
    case 4: return j < 2 || (j == 2 && two);
    case 5:
    case 6: return j % 2 == 0 || two;
    case 7:
        switch (j) {
        case 0:
        case 3:
        case 6: return true;
        case 1: return on(p.if_mod);
        case 2: return on(p.if_mod) && two;
        case 4: return on(p.if_demod);
        case 5: return on(p.if_demod) && two;
        case 7: return two;
        default: return false;
        }
    case 8:
        switch (j) {
        case 1:
        case 2:
        case 4: return true;
        case 0: return on(p.rf_mod);
        case 3: return on(p.rf_demod);
        default: return false;
        }
    default: return false;
    }
}

TGet_plots::TGet_plots(QWidget* parent, Menu_host& menu_host, const Picker_views& picker_views)
    : QWidget(parent), host(menu_host), views(picker_views)
{
    resize(984, 185);
    circuit = new QLabel(this);
    circuit->setGeometry(0, -7, 889, 160);
    circuit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    circuit->setPixmap(QPixmap::fromImage(circuit_picture(Circuit_note::average_8)));

    for (const Stage_code& s : stage_codes)
        rows[static_cast<size_t>(s.row)][static_cast<size_t>(s.slot)] = make_stage_button(s);

    run = new QPushButton("xmit/rcve", this);
    run->setObjectName("run");
    run->setGeometry(892, 8, 85, 30);
    run->setFont(pixel_font("Times New Roman", 19, true));
    run->setStyleSheet("color: rgb(0, 0, 255)");
    run->setDefault(true);
    connect(run, &QPushButton::clicked, this, &TGet_plots::runClick);

    see_result = make_view_button("see_result", "errors ?", 896, 48, 85, 30, 19);
    connect(see_result, &QPushButton::clicked, this, &TGet_plots::see_resultClick);
    FFT = make_view_button("FFT", "FFT", 896, 91, 85, 30, 19);
    connect(FFT, &QPushButton::clicked, this, &TGet_plots::FFTClick);
    en_decoder = make_view_button("en_decoder", "en/decoder", 414, 160, 89, 20, 13);
    connect(en_decoder, &QPushButton::clicked, this, &TGet_plots::en_decoderClick);
    Walsh = make_view_button("Walsh", "Walsh functions", 522, 160, 113, 20, 13);
    PN_U = make_view_button("PN_U", "PN-U", 636, 160, 49, 20, 13);
    PN_I = make_view_button("PN_I", "PN-I", 686, 160, 41, 20, 13);
    PN_Q = make_view_button("PN_Q", "PN-Q", 728, 160, 41, 20, 13);
    for (QPushButton* b : {Walsh, PN_U, PN_I, PN_Q})
        connect(b, &QPushButton::clicked, this, [this, b] { WalshClick(b); });
    bp_filter = make_view_button("bp_filter", "band-pass filter", 778, 160, 113, 20, 13);
    connect(bp_filter, &QPushButton::clicked, this, &TGet_plots::bp_filterClick);
    eye = make_view_button("eye", "eye pattern", 898, 160, 85, 20, 13);
    connect(eye, &QPushButton::clicked, this, &TGet_plots::eyeClick);
    constellation = make_view_button("constellation", "constellation", 898, 136, 85, 20, 13);
    connect(constellation, &QPushButton::clicked, this, &TGet_plots::constellationClick);

    analog_par = new TParameter_btn(this, host, 2);
    analog_par->move(0, 155);
    filter_par = new TParameter_btn(this, host, 3);
    filter_par->move(132, 155);
    distort_par = new TParameter_btn(this, host, 4);
    distort_par->move(266, 155);

    view_buttons = {analog_par->button,
                    filter_par->button,
                    distort_par->button,
                    en_decoder,
                    FFT,
                    Walsh,
                    PN_U,
                    PN_I,
                    PN_Q,
                    eye,
                    constellation,
                    bp_filter,
                    views.spectra[0],
                    views.spectra[1]};
    set_view_tooltips(*this);
}

QPushButton* TGet_plots::make_stage_button(const Stage_code& s)
{
    auto* b = new QPushButton("?", this);
    b->setObjectName(QString::fromUtf8(s.button.data(), static_cast<qsizetype>(s.button.size())));
    b->setProperty("Tag", s.code);
    b->setGeometry(s.left, s.top, s.width, s.height);
    b->setFont(pixel_font("MS Sans Serif", 13, true));
    b->setStyleSheet("QPushButton { color: rgb(0, 0, 255); padding: 0px; }");
    b->setToolTip(QString("plot the signal here (stage code %1)").arg(s.code));
    connect(b, &QPushButton::clicked, this, [this, b] { stageClick(b); });
    return b;
}

QPushButton* TGet_plots::make_view_button(const char* name, const char* caption, int left, int top,
                                          int width, int height, int font_px)
{
    auto* b = red_button(caption, pixel_font("MS Sans Serif", font_px, true), this);
    b->setObjectName(name);
    b->setGeometry(left, top, width, height);
    return b;
}

QPushButton* TGet_plots::stage_button(int code) const
{
    const Stage_code* s = find_stage_code(code);
    if (s == nullptr) return nullptr;
    return rows[static_cast<size_t>(s->row)][static_cast<size_t>(s->slot)];
}

void TGet_plots::hide_buttons()
{
    for (size_t r = 0; r < rows.size(); ++r)
        for (int j = 0; j < row_count[r]; ++j) rows[r][static_cast<size_t>(j)]->hide();
    for (size_t k = 3; k <= 11; ++k) view_buttons[k]->hide();
    host.clear_display(Menu_host::result_view);
    see_result->hide();
}

void TGet_plots::show_buttons()
{
    size_t k = 2;
    const int shown_rows = rows_for_stages(nr_stages);
    for (int r = 0; r < shown_rows; ++r) {
        const auto ru = static_cast<size_t>(r);
        for (int j = 0; j < row_count[ru]; ++j)
            if (r < 4 || slot_shown(r, j)) rows[ru][static_cast<size_t>(j)]->show();
        while (static_cast<int>(k) < view_limit[ru]) {
            view_buttons[k]->show();
            ++k;
        }
    }
    if (host.run_menu() != nullptr) {
        host.run_menu()->setWindowTitle(
            "run time menue: Click the blue '?' to plot the respective signal "
            "on the chosen time scale"
            "  OR  one of the red boxes for further details");
        if (host.run_menu()->Set_times->isHidden()) host.run_menu()->Set_times->show();
    }
    run->hide();
    see_result->show();
    set_signal_tooltips(*this);
}

void TGet_plots::hide_parameter_buttons()
{
    for (TParameter_btn* b : {analog_par, filter_par, distort_par}) b->hide();
}

void TGet_plots::show_parameter_buttons()
{
    for (TParameter_btn* b : {analog_par, filter_par, distort_par}) b->show();
}

void TGet_plots::stageClick(QPushButton* sender)
{
    host.view_item(sender->property("Tag").toInt());
}

void TGet_plots::runClick()
{
    plot_ctrl.empty_capture();
    if (!chain_ready()) {
        run_transmission(host.engine_screen());
        return;
    }
    // Only the chain runs on the worker; the buttons and lines change here afterwards.
    Run_time run;
    Progress_runner::run(&host.window_widget(), "running the chain: xmit and rcve",
                         [&run](Progress& progress) {
                             clear_upper_vector_state();
                             run = compute_run(progress);
                         });
    if (run.finished)
        show_run(host.engine_screen(), run);
    else
        chain_not_run("run");
}

void TGet_plots::chain_not_run(const std::string& what)
{
    hide_buttons();
    if (chain_ready()) run->show();
    // Open plots redraw as empty: their signals belong to no complete run any more.
    host.redraw_plots_and_hide_views();
    host.show_error(what + " cancelled: the chain has not run; press 'xmit/rcve' to run it");
}

void TGet_plots::WalshClick(QPushButton* sender)
{
    const int kind = sender == Walsh ? 1 : sender == PN_U ? 2 : sender == PN_I ? 3 : 4;
    views.spreading->open(kind);
}

void TGet_plots::FFTClick()
{
    TFourier_plot* target = views.spectra[0];
    if (!views.spectra[0]->isHidden()) {
        target = views.spectra[1];
        if (!views.spectra[1]->isHidden()) {
            views.spectra[0]->take_picture(*views.spectra[1]);
            views.spectra[1]->hide();
        }
        views.spectra[0]->raise(); // the pair in front
    }
    Menu_host::bring_to_front(target);
    target->setStyleSheet("background: white");
}

void TGet_plots::eyeClick() { Menu_host::bring_to_front(views.eye); }

void TGet_plots::constellationClick() { Menu_host::bring_to_front(views.constellation); }

void TGet_plots::bp_filterClick() { Menu_host::bring_to_front(views.band_pass); }

void TGet_plots::en_decoderClick()
{
    if (!Trellis_picture::run_available()) {
        host.show_error(TViterbi_decoder::run_needed);
        return;
    }
    views.decoder->open();
}

void TGet_plots::see_resultClick() { Menu_host::bring_to_front(views.result); }
