#pragma once
// The curve drawer: one function of one variable into a paint box, one value per pixel
// column, as a staircase, with automatic vertical range, a dashed zero line and ticks.

#include "plot/canvas.h"

#include <functional>
#include <string>

// One curve to draw. y_lo >= y_hi on entry asks for automatic ranging; on return the
// range actually used.
struct Curve_frame {
    float x0 = 0.0f; // abscissa of pixel column 0
    float dx = 0.0f; // abscissa step per column
    float y_lo = 0.0f;
    float y_hi = 0.0f;
    float log = 0.0f;     // 1.0: draw log10 of the values, with a floor
    float overlay = 0.0f; // overlay_flag: draw over the picture without clearing it
    float reserved = 0.0f;
    float rate = 0.0f; // not read by the drawer; samples per microsecond for signal plots
};

constexpr float overlay_flag = 997.0f;

// Called once per column and pass with the column's abscissa.
using Value_source = std::function<float(float x, const Curve_frame& frame)>;

// The abscissa at which Plot_curves::plot asks for column x: x * dx + x0, in double,
// rounded once to float. Both passes use exactly these values.
float column_abscissa(const Curve_frame& frame, int x);

class Plot_curves {
public:
    float floor = 0.01f; // smallest value drawn in log mode
    float y_scale = 0.0f;
    float x0 = 0.0f;
    float dx = 0.0f;
    int y_zero = 0;
    int width = 0;
    int height = 0;
    Canvas* canvas = nullptr;
    std::string text;

    // Draws the curve of f over the columns 0 .. width - 2 of box.
    void plot(Canvas& box, Curve_frame& frame, const Value_source& f);
    // On the box of the last plot: the dashed zero line and ticks at first,
    // first + spacing, ... standing on the bottom edge.
    void axes(int first, int spacing);

private:
    // Finds the range of the finite values; -1 .. 1 when it collapses.
    void auto_range(Curve_frame& frame, const Value_source& f) const;
    // The value as drawn: log10 with the floor in log mode.
    float mapped(float v, const Curve_frame& frame) const;
    // Pixel row y, truncated toward zero; NaN gives the zero row, rows far beyond the
    // box are clamped.
    int row(double y) const;
    void tick(int x, int length);
};
