#include "ui/pictures/sweep_picture.h"

#include "plot/sweep_plot.h"
#include "ui/pictures/plot_picture.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/safe_file.h"

#include <QGuiApplication>

QImage sweep_image(const Sweep_result& r, bool y_log, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Qt_canvas canvas(image);
        draw_sweep(canvas, r, y_log);
    }
    return image;
}

bool write_sweep_picture(const Sweep_result& r, bool y_log, const std::string& path)
{
    const auto app = headless_application();
    return save_png(sweep_image(r, y_log), QString::fromStdString(path));
}
