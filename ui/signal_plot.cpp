#include "ui/signal_plot.h"

#include "plot/plot_objects.h"
#include "plot/plot_ctrl.h"
#include "ui/click_line.h"
#include "ui/main_screen.h"
#include "ui/paint_box.h"
#include "ui/pixel_font.h"
#include "ui/qt_canvas.h"
#include "ui/vector_state.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QMenu>
#include <QMessageBox>
#include <QTextStream>

TSignal_plot::TSignal_plot(TMain_screen& main_screen, int code) : main(main_screen)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setProperty("Tag", code);
    setFont(pixel_font("Times New Roman", 10));
    setWindowTitle("Signal_plot");
    bits = new Paint_box(this);
    setWidget(bits);
    bits->on_resize = [this] { caption_plot(*this, 0); };
    bits->track_mouse([this](int x, int) { bitsMove(x); }, [this] { bitsLeave(); });
}

int TSignal_plot::tag() const { return property("Tag").toInt(); }

void caption_plot(TSignal_plot& control, char which)
{
    control.main.result->hide();
    control.bits->clear_image();
    Qt_canvas canvas(control.bits->image);
    clear_upper_vector_state();
    const std::string caption = draw_signal_plot(control.tag(), canvas, which);
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

bool TSignal_plot::save_picture(const QString& path) const { return bits->image.save(path, "PNG"); }

bool TSignal_plot::save_values(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream out(&file);
    out << "t_us,value\n";
    for (size_t i = 0; i < values.size() && i < times_us.size(); ++i)
        out << QString::number(static_cast<double>(times_us[i]), 'g', 9) << ','
            << QString::number(static_cast<double>(values[i]), 'g', 9) << '\n';
    return out.status() == QTextStream::Ok && file.error() == QFile::NoError;
}

void TSignal_plot::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* picture = menu.addAction("Save picture...");
    menu.addAction("Save values...");
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == nullptr) return;
    const bool as_picture = chosen == picture;
    const QString path = QFileDialog::getSaveFileName(
        this, chosen->text(), QString(), as_picture ? "PNG picture (*.png)" : "CSV values (*.csv)");
    if (path.isEmpty()) return;
    const bool ok = as_picture ? save_picture(path) : save_values(path);
    if (!ok) QMessageBox::warning(this, "Save", "could not write " + path);
}
