#include "ui/pictures/view_pictures.h"

#include "analog/analog_objects.h"
#include "engine/progress.h"
#include "engine/refusal.h"
#include "plot/plot_objects.h"
#include "ui/pictures/plot_picture.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/safe_file.h"
#include "ui/pictures/vector_state.h"
#include "ui/pictures/view_boxes.h"

#include <QImage>
#include <QPainter>

namespace {

QImage white_image(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

QImage bp_picture(const std::array<QImage, 4>& plots)
{
    const int gap = bp_row_top[1] - bp_row_top[0] - bp_plot_height;
    QImage picture(2 * bp_plot_width, 2 * bp_plot_height + gap, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (size_t k = 0; k < plots.size(); ++k)
        painter.drawImage(static_cast<int>(k % 2) * bp_plot_width,
                          static_cast<int>(k / 2) * (bp_plot_height + gap), plots[k]);
    return picture;
}

bool write_eye_picture(Eye_pattern& eye, int width, int height, const std::string& png_path,
                       Progress& progress)
{
    const auto app = headless_application();
    QImage image = white_image(width, height);
    {
        Qt_canvas canvas(image);
        clear_upper_vector_state();
        if (!eye.draw(canvas, analog_mod, plot_curves, progress)) return false;
    }
    write_png(image, png_path);
    return true;
}

void write_constellation_picture(Constellation& c, int side, const std::string& png_path)
{
    const auto app = headless_application();
    QImage image = white_image(side, side);
    {
        Qt_canvas canvas(image);
        c.draw(canvas);
    }
    write_png(image, png_path);
}

void write_bandpass_picture(Bp_explorer& explorer, const std::string& png_path)
{
    const auto app = headless_application();
    std::array<QImage, 4> plots;
    for (QImage& p : plots) p = white_image(bp_plot_width, bp_plot_height);
    {
        Qt_canvas c0(plots[0]), c1(plots[1]), c2(plots[2]), c3(plots[3]);
        clear_upper_vector_state();
        explorer.show({&c0, &c1, &c2, &c3}, plot_curves);
    }
    write_png(bp_picture(plots), png_path);
}
