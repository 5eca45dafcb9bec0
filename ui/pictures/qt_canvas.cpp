#include "ui/pictures/qt_canvas.h"

#include "ui/pictures/vector_state.h"

#include <QFont>
#include <QFontMetrics>
#include <QPen>

Qt_canvas::Qt_canvas(QImage& image) : target(&image), painter(&image)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    QFont font("Times New Roman");
    font.setPixelSize(13);
    painter.setFont(font);
}

int Qt_canvas::width() const { return target->width(); }

int Qt_canvas::height() const { return target->height(); }

void Qt_canvas::set_pen(Rgb colour, int width)
{
    painter.setPen(QPen(to_qcolor(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void Qt_canvas::set_brush(Rgb colour)
{
    brush_colour = to_qcolor(colour);
    painter.setBrush(brush_colour);
}

void Qt_canvas::set_font(int pixel_size, Rgb colour)
{
    QFont font = painter.font();
    font.setPixelSize(pixel_size > 0 ? pixel_size : 1);
    painter.setFont(font);
    font_colour = to_qcolor(colour);
}

void Qt_canvas::move_to(int x, int y)
{
    pen_x = x;
    pen_y = y;
}

void Qt_canvas::line_to(int x, int y)
{
    // Qt also paints the end point, where GDI leaves it out; the curves draw
    // connected segments, so that pixel is drawn by the next segment anyway.
    if (x != pen_x || y != pen_y) painter.drawLine(pen_x, pen_y, x, y);
    pen_x = x;
    pen_y = y;
    clear_upper_vector_state(); // the plots evaluate the engine between strokes
}

void Qt_canvas::rectangle(int x1, int y1, int x2, int y2)
{
    painter.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    clear_upper_vector_state(); // the plots evaluate the engine between strokes
}

void Qt_canvas::ellipse(int x1, int y1, int x2, int y2)
{
    painter.drawEllipse(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    clear_upper_vector_state(); // the plots evaluate the engine between strokes
}

void Qt_canvas::fill_rect(int x1, int y1, int x2, int y2)
{
    painter.fillRect(x1, y1, x2 - x1, y2 - y1, brush_colour);
    clear_upper_vector_state(); // the plots evaluate the engine between strokes
}

void Qt_canvas::text_out(int x, int y, const std::string& text)
{
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics(painter.font());
    const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
    painter.fillRect(box, brush_colour);
    const QPen pen = painter.pen();
    painter.setPen(font_colour);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
    painter.setPen(pen);
    clear_upper_vector_state(); // the plots evaluate the engine between strokes
}

int Qt_canvas::text_width(const std::string& text) const
{
    return QFontMetrics(painter.font()).horizontalAdvance(QString::fromStdString(text));
}

void Qt_canvas::copy_rect(const Canvas& source, int x1, int y1, int x2, int y2)
{
    const auto* from = dynamic_cast<const Qt_canvas*>(&source);
    if (from == nullptr || from == this) return;
    const QRect r(x1, y1, x2 - x1, y2 - y1);
    painter.drawImage(r.topLeft(), from->image(), r);
    clear_upper_vector_state();
}
