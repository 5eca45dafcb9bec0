#pragma once
// A canvas that draws nothing and logs every call, so that tests can assert pixel geometry.

#include "plot/canvas.h"

#include <string>
#include <utility>
#include <vector>

struct Canvas_call {
    std::string op; // "move_to", "line_to", "rectangle", ...
    std::vector<int> args;
    std::string text; // of text_out
    bool operator==(const Canvas_call&) const = default;
};

class Record_canvas final : public Canvas {
public:
    int w;
    int h;
    int font_px = 13; // of the last set_font
    std::vector<Canvas_call> calls;

    explicit Record_canvas(int width = 750, int height = 128) : w(width), h(height) {}

    int width() const override { return w; }
    int height() const override { return h; }
    void set_pen(Rgb c, int width) override { log("set_pen", {c.r, c.g, c.b, width}); }
    void set_brush(Rgb c) override { log("set_brush", {c.r, c.g, c.b}); }
    void set_font(int size, Rgb c) override
    {
        font_px = size;
        log("set_font", {size, c.r, c.g, c.b});
    }
    void move_to(int x, int y) override { log("move_to", {x, y}); }
    void line_to(int x, int y) override { log("line_to", {x, y}); }
    void rectangle(int x1, int y1, int x2, int y2) override { log("rectangle", {x1, y1, x2, y2}); }
    void ellipse(int x1, int y1, int x2, int y2) override { log("ellipse", {x1, y1, x2, y2}); }
    void fill_rect(int x1, int y1, int x2, int y2) override { log("fill_rect", {x1, y1, x2, y2}); }
    void text_out(int x, int y, const std::string& s) override
    {
        calls.push_back({"text_out", {x, y}, s});
    }
    void copy_rect(const Canvas&, int x1, int y1, int x2, int y2) override
    {
        log("copy_rect", {x1, y1, x2, y2});
    }
    // Every character half the font size wide; not logged, as it draws nothing.
    int text_width(const std::string& s) const override
    {
        return static_cast<int>(s.size()) * font_px / 2;
    }

    // The texts written, in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> v;
        for (const Canvas_call& c : calls)
            if (c.op == "text_out") v.push_back(c.text);
        return v;
    }
    long count(const std::string& op) const
    {
        long n = 0;
        for (const Canvas_call& c : calls) n += c.op == op ? 1 : 0;
        return n;
    }
    // Every line drawn: from the pen's place to the point of a line_to, with the pen then set.
    struct Line {
        int x1, y1, x2, y2;
        Rgb pen;
        int pen_width;
    };
    std::vector<Line> lines() const
    {
        std::vector<Line> out;
        Line l{0, 0, 0, 0, {}, 1};
        for (const Canvas_call& c : calls) {
            if (c.op == "set_pen") {
                l.pen = {static_cast<unsigned char>(c.args[0]),
                         static_cast<unsigned char>(c.args[1]),
                         static_cast<unsigned char>(c.args[2])};
                l.pen_width = c.args[3];
            }
            if (c.op == "move_to" || c.op == "line_to") {
                l.x2 = c.args[0];
                l.y2 = c.args[1];
                if (c.op == "line_to") out.push_back(l);
                l.x1 = l.x2;
                l.y1 = l.y2;
            }
        }
        return out;
    }
    // x of every tick: a move to (x, h) followed by a line up to (x, h - length).
    std::vector<int> ticks(int length) const
    {
        std::vector<int> xs;
        for (size_t k = 0; k + 1 < calls.size(); ++k)
            if (calls[k].op == "move_to" && calls[k].args[1] == h &&
                calls[k + 1] == Canvas_call{"line_to", {calls[k].args[0], h - length}, {}})
                xs.push_back(calls[k].args[0]);
        return xs;
    }

private:
    void log(const char* op, std::vector<int> args) { calls.push_back({op, std::move(args), {}}); }
};
