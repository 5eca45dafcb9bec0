#include "plot/plot_curves.h"

#include "plot/conversions.h"

#include <algorithm>
#include <cmath>

namespace {

// Box sizes are taken within 0 .. 2^24 pixels, so that every row and tick computed from
// them stays far inside the int range.
constexpr int max_box_size = 1 << 24;
// Rows this far beyond the box edges draw the same as rows farther out; the clamp keeps
// huge and infinite values away from the int conversion and from the drawing surface.
constexpr double row_margin = 65536.0;

// A range given by the caller that can be drawn as it is.
bool usable_range(const Curve_frame& f)
{
    return f.y_lo < f.y_hi && std::isfinite(f.y_lo) && std::isfinite(f.y_hi);
}

} // namespace

float column_abscissa(const Curve_frame& frame, int x)
{
    return to_float(static_cast<double>(x) * static_cast<double>(frame.dx) +
                    static_cast<double>(frame.x0));
}

float Plot_curves::mapped(float v, const Curve_frame& frame) const
{
    if (frame.log != 1.0f) return v;
    return static_cast<float>(std::log10(static_cast<double>(v > floor ? v : floor)));
}

int Plot_curves::row(double y) const
{
    if (std::isnan(y)) return y_zero;
    const double bottom = static_cast<double>(height) + row_margin;
    return static_cast<int>(std::clamp(y, -row_margin, bottom)); // truncates toward zero
}

void Plot_curves::auto_range(Curve_frame& frame, const Value_source& f) const
{
    float lo = 0.0f;
    float hi = 0.0f;
    for (int x = 0; x + 1 < width; ++x) {
        const float v = mapped(f(column_abscissa(frame, x), frame), frame);
        if (!std::isfinite(v)) continue; // no scale fits NaN or an infinity
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    if (lo >= hi) {
        lo = -1.0f;
        hi = 1.0f;
    }
    frame.y_lo = lo;
    frame.y_hi = hi;
}

void Plot_curves::plot(Canvas& box, Curve_frame& frame, const Value_source& f)
{
    canvas = &box;
    width = std::clamp(box.width(), 0, max_box_size);
    height = std::clamp(box.height(), 0, max_box_size);
    x0 = frame.x0;
    dx = frame.dx;
    if (!usable_range(frame)) auto_range(frame, f);

    // Both ends are finite floats, so the span is positive and finite in double.
    const double span = static_cast<double>(frame.y_hi) - static_cast<double>(frame.y_lo);
    const auto h = static_cast<double>(height);
    y_zero = row(0.96 * h * static_cast<double>(frame.y_hi) / span);
    y_scale = to_float(0.92 * h / span);

    if (frame.overlay != overlay_flag) box.rectangle(0, 0, width, height);
    box.move_to(1, y_zero);
    for (int x = 0; x + 1 < width; ++x) {
        const float v = mapped(f(column_abscissa(frame, x), frame), frame);
        const int y = row(static_cast<double>(y_zero) -
                          static_cast<double>(v) * static_cast<double>(y_scale));
        box.line_to(x, y);
        box.line_to(x + 1, y);
    }
}

void Plot_curves::tick(int x, int length)
{
    canvas->move_to(x, height);
    canvas->line_to(x, height - length);
}

void Plot_curves::axes(int first, int spacing)
{
    if (canvas == nullptr) return;
    if (static_cast<double>(y_zero) < 0.7 * static_cast<double>(height))
        for (int x = 0; x < width - 10; x += 10) {
            canvas->move_to(x, y_zero);
            canvas->line_to(x + 5, y_zero);
        }
    const auto length = static_cast<int>(std::max(0.04 * static_cast<double>(height), 4.0));
    if (first == spacing) tick(1, length);
    if (spacing <= 0) return;
    long long x = first;
    if (x < 0) x += (-x + spacing - 1) / spacing * spacing; // ticks left of the box: skipped
    for (; x < width; x += spacing) tick(static_cast<int>(x), length);
}
