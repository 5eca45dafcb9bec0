#include "ui/pictures/trellis_png.h"

#include "engine/elements.h"
#include "engine/engine_objects.h"
#include "engine/refusal.h"
#include "plot/null_canvas.h"
#include "ui/pictures/plot_picture.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/safe_file.h"
#include "ui/pictures/view_boxes.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

constexpr int upper_w = trellis_upper_width, upper_h = trellis_upper_height;
constexpr int lower_w = trellis_lower_width, lower_h = trellis_lower_height;
constexpr int data_w = trellis_data_width, data_h = trellis_data_height;

void clicks_on(Trellis_picture& view, int clicks, Canvas& upper, Canvas& lower, Canvas& data)
{
    view.data_paint(data, *stage_table[0], *stage_table[2]);
    const int drawn = Trellis_picture::clicks_to_draw(clicks);
    for (int k = 0; k < drawn; ++k) view.proceed(conv_code, upper, lower, data);
}

} // namespace

void draw_decoder_clicks(Trellis_picture& view, int clicks, const std::string& png_path)
{
    if (png_path.empty()) {
        Null_canvas upper(upper_w, upper_h), lower(lower_w, lower_h), data(data_w, data_h);
        clicks_on(view, clicks, upper, lower, data);
        return;
    }
    const auto app = headless_application();
    QImage upper(upper_w, upper_h, QImage::Format_RGB32);
    QImage lower(lower_w, lower_h, QImage::Format_RGB32);
    QImage data(data_w, data_h, QImage::Format_RGB32);
    for (QImage* i : {&upper, &lower, &data}) i->fill(Qt::white);
    {
        Qt_canvas u(upper), l(lower), d(data);
        clicks_on(view, clicks, u, l, d);
    }
    QImage picture(lower_w, upper_h + lower_h + data_h, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.drawImage(0, 0, upper);
        p.drawImage(0, upper_h, lower);
        p.drawImage(0, upper_h + lower_h, data);
    }
    write_png(picture, png_path);
}
