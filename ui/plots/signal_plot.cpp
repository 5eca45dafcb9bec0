#include "ui/plots/signal_plot.h"

#include "engine/engine_objects.h"
#include "engine/number_text.h"
#include "plot/plot_ctrl.h"
#include "plot/plot_objects.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/plot_picture.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/safe_file.h"
#include "ui/pictures/vector_state.h"
#include "ui/widgets/busy_cursor.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/save_dialog.h"
#include "ui/widgets/view_host.h"

#include <QContextMenuEvent>
#include <QFont>
#include <QMenu>

TSignal_plot::TSignal_plot(View_host& view_host, int code) : host(view_host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setProperty("Tag", code);
    setFont(pixel_font("Times New Roman", 10));
    setWindowTitle("Signal_plot");
    bits = new Paint_box(this);
    setWidget(bits);
    bits->on_resize = [this] { caption_plot(*this); };
    bits->track_mouse([this](int x, int) { bitsMove(x); }, [this] { bitsLeave(); });
}

int TSignal_plot::tag() const { return property("Tag").toInt(); }

void caption_plot(TSignal_plot& control)
{
    control.host.clear_display(View_host::result_view);
    control.bits->clear_image();
    if (!transmission.complete) {
        control.times_us.clear();
        control.values.clear();
        control.setWindowTitle("no signal: the chain has not run");
        control.host.show_error(run_needed_message);
        control.bits->update();
        return;
    }
    const Busy_cursor busy;
    Qt_canvas canvas(control.bits->image);
    clear_upper_vector_state();
    const std::string caption = draw_signal_plot(control.tag(), canvas);
    control.times_us = plot_ctrl.drawn_t;
    control.values = plot_ctrl.drawn_values;
    const Stage_code* row = plot_ctrl.signal();
    control.rate = row != nullptr && row->kind == Signal_kind::stored ? plot_ctrl.rate : 0.0f;
    control.caption = QString::fromStdString(caption);
    control.setWindowTitle(control.caption);
    control.bits->update();
}

void TSignal_plot::bitsMove(int x)
{
    const std::string text = signal_read_out(times_us, values, rate, x);
    setWindowTitle(text.empty() ? caption : QString::fromStdString(text));
}

void TSignal_plot::bitsLeave() { setWindowTitle(caption); }

namespace {

// The shortest decimal text that reads back as the same float.
QByteArray shortest(float v) { return QByteArray::fromStdString(shortest_text(v)); }

} // namespace

bool TSignal_plot::save_picture(const QString& path) const
{
    return save_png(with_caption(bits->image, caption), path);
}

bool TSignal_plot::save_values(const QString& path) const
{
    QByteArray csv = "# " + caption.toUtf8() + "\nt_us,value\n";
    for (size_t i = 0; i < values.size() && i < times_us.size(); ++i)
        csv += shortest(times_us[i]) + ',' + shortest(values[i]) + '\n';
    return save_text(path, csv);
}

void TSignal_plot::save_picture_as()
{
    Save_dialog::save(this, "Save picture...", QString("plot_%1.png").arg(tag()), "png",
                      [this](const QString& path) { return save_picture(path); });
}

void TSignal_plot::save_values_as()
{
    Save_dialog::save(this, "Save values...", QString("plot_%1.csv").arg(tag()), "csv",
                      [this](const QString& path) { return save_values(path); });
}

void TSignal_plot::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu takes the mouse: the plot sees no leave, so the caption comes back now.
    bitsLeave();
    QMenu menu(this);
    QAction* picture = menu.addAction("Save picture...");
    menu.addAction("Save values...");
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == nullptr) return;
    if (chosen == picture)
        save_picture_as();
    else
        save_values_as();
}
