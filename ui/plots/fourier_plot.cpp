#include "ui/plots/fourier_plot.h"

#include "plot/plot_ctrl.h"
#include "plot/plot_objects.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/plot_picture.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/safe_file.h"
#include "ui/pictures/vector_state.h"
#include "ui/plots/signal_plot.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"
#include "ui/widgets/save_dialog.h"
#include "ui/widgets/view_host.h"

#include <QContextMenuEvent>
#include <QFont>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>

TFourier_plot::TFourier_plot(QWidget* parent, View_host& view_host)
    : QWidget(parent), host(view_host)
{
    resize(512, 134);
    setFont(pixel_font("Times New Roman", 11));
    setAutoFillBackground(true);
    Fourier = new Paint_box(this);
    Fourier->setGeometry(0, 4, 512, 130);
    Fourier->on_click = [this] { FourierClick(); };
    read_out = new QLabel(parent);
    read_out->setGeometry(400 + 514, 0, read_out_width, 34);
    read_out->setWordWrap(true);
    read_out->setAutoFillBackground(true);
    read_out->setFont(pixel_font("MS Sans Serif", 11));
    read_out->hide();
    Fourier->track_mouse([this](int x, int) { FourierMove(x); }, [this] { read_out->hide(); });
    hide();
}

void TFourier_plot::showEvent(QShowEvent*)
{
    Progress_runner::when_idle(this, [this] { FourierPaint(); });
}

void TFourier_plot::hideEvent(QHideEvent*) { read_out->hide(); }

void TFourier_plot::FourierPaint()
{
    const bool captured = plot_ctrl.captured();
    if (!captured && picture != plot_ctrl.stamp()) {
        Fourier->clear_image();
        shown_code = 0;
    }
    picture = plot_ctrl.stamp();
    {
        Qt_canvas canvas(Fourier->image);
        clear_upper_vector_state();
        plot_spectrum(canvas);
    }
    if (captured) shown_code = fft_code;
    drawn = plot_ctrl.drawn_spectrum;
    Fourier->update();
}

void TFourier_plot::FourierClick()
{
    if (below != nullptr && !below->isHidden()) return;
    hide();
}

void TFourier_plot::set_strip_below(const TFourier_plot* strip) { below = strip; }

void TFourier_plot::take_picture(const TFourier_plot& other)
{
    {
        Qt_canvas upper(Fourier->image);
        const Qt_canvas lower(other.Fourier->image);
        upper.copy_rect(lower, 0, 0, lower.width(), lower.height());
    }
    shown_code = other.shown_code;
    picture = other.picture;
    drawn = other.drawn;
    Fourier->update();
}

void TFourier_plot::FourierMove(int x)
{
    const std::string text = spectrum_read_out(drawn, x);
    if (text.empty()) {
        read_out->hide();
        return;
    }
    // Beside the strip, level with it, where it covers nothing of the spectrum.
    read_out->move(geometry().right() + 2, y() + Fourier->y());
    read_out->setText(QString::fromStdString(text).replace(", ", "\n"));
    read_out->show();
    read_out->raise();
}

QString TFourier_plot::caption() const
{
    QString line = QString("spectrum of signal %1").arg(shown_code);
    for (QMdiSubWindow* w : host.child_windows())
        if (auto* plot = dynamic_cast<TSignal_plot*>(w);
            plot != nullptr && plot->tag() == shown_code)
            return line + ": " + plot->caption;
    return line;
}

bool TFourier_plot::save_picture(const QString& path) const
{
    return save_png(with_caption(Fourier->image, caption()), path);
}

void TFourier_plot::save_picture_as()
{
    Save_dialog::save(this, "Save picture...", QString("spectrum_%1.png").arg(shown_code), "png",
                      [this](const QString& path) { return save_picture(path); });
}

void TFourier_plot::contextMenuEvent(QContextMenuEvent* event)
{
    read_out->hide(); // the menu takes the mouse: the strip sees no leave
    QMenu menu(this);
    menu.addAction("Save picture...");
    if (menu.exec(event->globalPos()) != nullptr) save_picture_as();
}
