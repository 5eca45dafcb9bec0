#pragma once
// A canvas seen narrower than it is: drawers that fill their box's width stop at the
// given width, everything else goes to the canvas unchanged.

#include "plot/canvas.h"

#include <algorithm>

class Narrowed_canvas final : public Canvas {
public:
    Narrowed_canvas(Canvas& whole, int width) : whole(whole), w(std::min(width, whole.width())) {}

    int width() const override { return w; }
    int height() const override { return whole.height(); }
    void set_pen(Rgb colour, int pen_width) override { whole.set_pen(colour, pen_width); }
    void set_brush(Rgb colour) override { whole.set_brush(colour); }
    void set_font(int pixel_size, Rgb colour) override { whole.set_font(pixel_size, colour); }
    void move_to(int x, int y) override { whole.move_to(x, y); }
    void line_to(int x, int y) override { whole.line_to(x, y); }
    void rectangle(int x1, int y1, int x2, int y2) override { whole.rectangle(x1, y1, x2, y2); }
    void ellipse(int x1, int y1, int x2, int y2) override { whole.ellipse(x1, y1, x2, y2); }
    void fill_rect(int x1, int y1, int x2, int y2) override { whole.fill_rect(x1, y1, x2, y2); }
    void text_out(int x, int y, const std::string& text) override { whole.text_out(x, y, text); }
    int text_width(const std::string& text) const override { return whole.text_width(text); }
    void copy_rect(const Canvas& source, int x1, int y1, int x2, int y2) override
    {
        whole.copy_rect(source, x1, y1, x2, y2);
    }

private:
    Canvas& whole;
    int w;
};
