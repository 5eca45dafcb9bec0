#include "plot/time_base.h"
#include "ui/windows/set_times.h"

#include "engine/elements.h"
#include "plot/fixed_text.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/widgets/lr_spinner.h"
#include "ui/widgets/menu_host.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"

#include <QFont>
#include <QLineEdit>
#include <QShowEvent>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float widest_base_us = 250.0f;
constexpr float narrowest_us = 0.0051f; // 5.1 ns

std::string us_text(float v) { return fixed_text(v, 6, 3); }

} // namespace

TSet_times::TSet_times(QWidget* parent, Menu_host& menu_host) : QWidget(parent), host(menu_host)
{
    resize(828, 73);
    setFont(pixel_font("Times New Roman", 13));
    sel_start = new QLineEdit(this);
    sel_start->setGeometry(320, 44, 497, 23);
    sel_range = new QLineEdit(this);
    sel_range->setGeometry(320, 16, 497, 23);
    for (QLineEdit* e : {sel_start, sel_range}) e->setReadOnly(true);
    UpDown1 = new Lr_spinner(this, -spinner_limit, spinner_limit);
    UpDown1->setGeometry(264, 18, 49, 20);
    UpDown1->on_click = [this] { UpDown1Click(); };
    time_caption = new Paint_box(this);
    time_caption->setGeometry(8, 3, 249, 70);
    UpDown2 = new Lr_spinner(this, -spinner_limit, spinner_limit);
    UpDown2->setGeometry(264, 44, 49, 20);
    UpDown2->on_click = [this] { UpDown2Click(); };
}

void TSet_times::showEvent(QShowEvent* event)
{
    // A restored main window shows the panel again unchanged: redrawing would hide every
    // open view and the parameter menu with what the user has typed in it.
    if (event->spontaneous()) return;
    Progress_runner::when_idle(this, [this] { time_captionPaint(); });
}

void TSet_times::time_captionPaint()
{
    if (!initialized) {
        n_bits = time_base(1, &t_total, nullptr);
        if (!(t_total > 0.0f)) return; // no chain yet: nothing to show
        base_width = widest_base_us < t_total ? widest_base_us : t_total;
        delta_t = base_width;
        t_zero = 0.0f;
        time_base(2, &delta_t, &t_zero);
        min_width = narrowest_us;
        UpDown1->set_position(0);
        initialized = true;
    }
    UpDown1Click();
}

void TSet_times::UpDown1Click()
{
    if (!initialized) return;
    const int pos = UpDown1->position();
    delta_t = static_cast<float>(std::pow(2.0, pos) * static_cast<double>(base_width));
    if (delta_t > t_total) {
        UpDown1->set_position(last_good_pos + 1);
        delta_t = t_total;
    } else if (delta_t < min_width) {
        UpDown1->set_position(last_good_pos - 1);
        delta_t = min_width;
    } else {
        last_good_pos = pos;
    }
    sel_range->setText(QString::fromStdString(
        "l/r: scale the plot's time interval 0.5 or 2; actual value = " + us_text(delta_t) +
        " microsec"));
    UpDown2Click();
}

void TSet_times::UpDown2Click()
{
    if (!initialized) return;
    float p = static_cast<float>(UpDown2->position());
    p = std::max(p, 0.0f);
    p = std::min(p, (t_total - delta_t) / delta_t);
    t_zero = p * delta_t;
    UpDown2->set_position(static_cast<int>(std::ceil(p)));
    sel_start->setText(QString::fromStdString("l/r: shift t0 for plots by " + us_text(delta_t) +
                                              " microsec; actual value = " + us_text(t_zero) +
                                              " microsec"));
    time_base(2, &delta_t, &t_zero);
    write_caption();
    host.redraw_plots_and_hide_views();
}

void TSet_times::write_caption()
{
    time_caption->clear_image();
    {
        Qt_canvas canvas(time_caption->image);
        canvas.text_out(0, 0,
                        "data: " + std::to_string(n_bits) +
                            " bits, i.e. dt = " + us_text(t_total * 0.001f) + " ms");
        canvas.text_out(0, 20,
                        "display:  " + std::to_string(static_cast<int>(min_width * 1000.0f)) +
                            " ns <=  delta_t   <  " + std::to_string(static_cast<int>(t_total)) +
                            " mikrosec");
        canvas.text_out(0, 40,
                        "display:  0      <=  t_zero    <= " +
                            std::to_string(static_cast<int>(t_total - delta_t)) + " mikrosec");
    }
    time_caption->update();
}
