#pragma once
// The eye pattern: one-chip traces of one branch's analog signal, each starting at a chip
// boundary and spanning the whole box, drawn over each other so that the chips form an
// "eye". Either the transmitted DAC output or the received signal after band-pass
// position 4, in running mode (a window of five traces sliding by one chip) or summed.

#include "engine/elements.h"
#include "engine/progress.h"
#include "plot/canvas.h"

#include <string>

class Analog_mod;
class Plot_curves;

// The finest plot step, in microseconds, at which the band-pass filters (float
// coefficients) stay stable; they fail below about 3e-6.
constexpr double eye_min_step_us = 1.0e-5;

class Eye_pattern {
public:
    int side_point = -7;   // analog point: -7 receive (after band-pass 4), 6 transmit (DAC)
    int branch_code = 100; // 100 I, 200 Q
    bool running = true;   // false: summing
    // Computes the filter-independent part of the signal once per distinct instant (the
    // values are the same either way).
    bool column_cache = true;

    // The range found by the last drawing's scan: always contains 0.
    float y_min = 0.0f;
    float y_max = 0.0f;

    void toggle_side();
    // Alternates I and Q only with two branches (iq_branches truncated to 2 or more).
    void toggle_branch(float iq_branches);
    // With one branch left the Q branch falls back to I: what draw and the caption use.
    void fit_branch(float iq_branches);
    void toggle_mode();
    // "eye pattern (rcve, I - running plot)" and the like.
    std::string caption() const;
    // The stage code of the drawn signal: 106, 206, -107 or -207.
    int code() const;

    // Why no eye can be drawn on a box `width` pixels wide now, or "" when it can.
    static std::string refusal(int width);
    // Why a box `width` pixels wide is too narrow or too wide for the eye, or "".
    static std::string width_refusal(int width);
    // Draws the eye of the last run's chips on box with the drawer pc, reporting the share
    // done after every group of traces. With one branch the Q branch falls back to I.
    // Returns false when progress asked to stop; the box then holds part of the eye.
    bool draw(Canvas& box, Analog_mod& a, Plot_curves& pc, Progress& progress);
};
