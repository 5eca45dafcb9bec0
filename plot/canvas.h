#pragma once
// A pixel surface to draw on: origin top left, y downwards. The window draws into an
// image through it, the tests record the calls. A new canvas has a black pen of width 1,
// a white brush and a 13-pixel black font.

#include <string>

struct Rgb {
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colour {
constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb red{255, 0, 0};  // a bit that is 1
constexpr Rgb blue{0, 0, 255}; // a bit that is 0
constexpr Rgb of_bit(bool b) { return b ? red : blue; }
} // namespace colour

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void set_pen(Rgb colour, int width) = 0;
    // Solid fill colour of rectangles and ellipses, and the background of text.
    virtual void set_brush(Rgb colour) = 0;
    virtual void set_font(int pixel_size, Rgb colour) = 0;

    // The pen moves to (x, y) without drawing.
    virtual void move_to(int x, int y) = 0;
    // A line from the pen position to (x, y), which becomes the pen position; the end
    // point itself is not drawn.
    virtual void line_to(int x, int y) = 0;
    // Outline with the pen, inside with the brush; the right and bottom edges (x2, y2)
    // lie outside.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    // The brush alone over (x1, y1) to (x2, y2), right and bottom edges outside.
    virtual void fill_rect(int x1, int y1, int x2, int y2) = 0;
    // Text with its top left corner at (x, y), on the brush colour.
    virtual void text_out(int x, int y, const std::string& text) = 0;
    // Width in pixels of text written in the current font: what keeps a text inside its box.
    virtual int text_width(const std::string& text) const = 0;
    // Copies the rectangle (x1, y1) to (x2, y2) of source to the same place here.
    virtual void copy_rect(const Canvas& source, int x1, int y1, int x2, int y2) = 0;
};
