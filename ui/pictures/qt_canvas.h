#pragma once
// The canvas of a paint box: draws into the box's image with GDI conventions.

#include "plot/canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>

class Qt_canvas : public Canvas {
public:
    explicit Qt_canvas(QImage& image);

    int width() const override;
    int height() const override;
    void set_pen(Rgb colour, int width) override;
    void set_brush(Rgb colour) override;
    void set_font(int pixel_size, Rgb colour) override;
    void move_to(int x, int y) override;
    void line_to(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void fill_rect(int x1, int y1, int x2, int y2) override;
    void text_out(int x, int y, const std::string& text) override;
    int text_width(const std::string& text) const override;
    void copy_rect(const Canvas& source, int x1, int y1, int x2, int y2) override;

    const QImage& image() const { return *target; }

private:
    QImage* target;
    QPainter painter;
    QColor brush_colour{Qt::white};
    QColor font_colour{Qt::black};
    int pen_x = 0;
    int pen_y = 0;
};

inline QColor to_qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }
