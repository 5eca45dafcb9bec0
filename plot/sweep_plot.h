#pragma once
// The picture of an error sweep: the wrong share of every receive step against the swept
// value, one coloured curve per step with a legend, on a linear or logarithmic share axis.

#include "engine/error_sweep.h"
#include "plot/canvas.h"

#include <string>
#include <vector>

// Where the axes of a sweep picture lie in the box, and how values map onto them.
struct Sweep_frame {
    int left = 0, top = 0, right = 0, bottom = 0; // the plot area, pixels
    double x_lo = 0.0, x_hi = 1.0;                // swept value at left and right
    bool x_log = false;
    bool x_whole = false;          // the swept value takes whole values only: no ticks between
    double y_lo = 0.0, y_hi = 1.0; // wrong share at bottom and top
    bool y_log = false;

    // The frame of a result drawn on a box of width x height.
    static Sweep_frame of(const Sweep_result& r, bool y_log, int width, int height);
    // Pixel column of a swept value and row of a share (truncated toward zero). A share
    // of 0 on the log axis lies on its bottom edge.
    int x_of(double value) const;
    int y_of(double share) const;
};

// Ticks of a linear axis from lo to hi on round values: the whole multiples of the
// smallest step of 1, 2 or 5 times a power of ten that leaves at most max_intervals
// steps between lo and hi.
std::vector<double> round_ticks(double lo, double hi, int max_intervals);
// Ticks of a logarithmic axis (0 < lo < hi): 1, 2 and 5 times the powers of ten when at
// most max_intervals + 1 of them lie from lo to hi, else the powers of ten themselves
// (every second, third ... when they are more), else round_ticks.
std::vector<double> log_ticks(double lo, double hi, int max_intervals);

// Wrong share of one step; 0 for a step that compared nothing.
double wrong_share(const Step_count& c);
// Smallest share the log axis shows: the decade below the smallest share above zero,
// at least log_floor.
constexpr double sweep_log_floor = 1.0e-6;

// The legend text of step s (1..6).
std::string sweep_step_name(int step);

// Draws the whole picture on box.
void draw_sweep(Canvas& box, const Sweep_result& r, bool y_log);
