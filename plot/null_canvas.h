#pragma once
// A canvas of a given size that draws nothing: for selections and timings without a picture.

#include "plot/canvas.h"

class Null_canvas final : public Canvas {
public:
    explicit Null_canvas(int width = 1, int height = 1) : w(width), h(height) {}

    int width() const override { return w; }
    int height() const override { return h; }
    void set_pen(Rgb, int) override {}
    void set_brush(Rgb) override {}
    void set_font(int, Rgb) override {}
    void move_to(int, int) override {}
    void line_to(int, int) override {}
    void rectangle(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void fill_rect(int, int, int, int) override {}
    void text_out(int, int, const std::string&) override {}
    int text_width(const std::string&) const override { return 0; }
    void copy_rect(const Canvas&, int, int, int, int) override {}

private:
    int w;
    int h;
};
