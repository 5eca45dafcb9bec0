#pragma once
// The plot control: turns a stage code (engine/stage_codes.h) into a drawn curve over the
// chosen time window, writes the caption, and keeps the first values of the last plot for
// a spectrum.

#include "engine/elements.h"
#include "engine/stage_codes.h"
#include "plot/canvas.h"
#include "plot/plot_curves.h"
#include "plot/read_out.h"

#include <string>
#include <vector>

class Plot_ctrl {
public:
    float t_total = 0.0f;   // duration of the transmitted block, microseconds
    float delta_t = 0.0f;   // window width, microseconds
    float t_zero = 0.0f;    // window start, microseconds
    float rate = 0.0f;      // samples per microsecond of the selected buffer
    float us_per_px = 0.0f; // microseconds per pixel
    int side = 0;           // +1 transmit, -1 receive
    int variant = 0;
    int buffer = 0; // index into the selected stage's buffers
    int stage = 0;
    int width = 0; // of the box being drawn, pixels
    int fft_count = 0;
    int fft_size = 0;
    // What the captured values belong to, fixed when a capture starts: the run, the plot
    // window (by its stage code) and that window's microseconds per pixel.
    long long capture_run = -1;
    int capture_code = 0;
    float capture_us_per_px = 0.0f;
    // Times the capture was emptied.
    int emptied = 0;
    std::string fft_text;
    Canvas* box = nullptr; // the box being drawn, from select to the end of plot
    // Analog signals: compute the filter-independent part of every column once for both
    // passes of the drawing (the values are the same either way).
    bool column_cache = true;
    // The last signal plot as drawn: one abscissa (microseconds) and value per column.
    std::vector<float> drawn_t;
    std::vector<float> drawn_values;
    // The last spectrum as drawn, for its read-out.
    Drawn_spectrum drawn_spectrum;

    // Stores the window and empties the spectrum capture.
    void set_window(float t_total, float delta_t, float t_zero);
    // Forgets the captured values: the next plot drawn fills the spectrum anew. A run and a
    // setup call it, so that no spectrum shows the signals of an earlier run; values of an
    // earlier run are not used even where nobody called it.
    void empty_capture();
    // Closing the plot window of a stage code: its values are forgotten if captured.
    void forget_window(int code);
    // Values of the current run are held for a spectrum.
    bool captured() const;
    // Changes whenever held values become stale (a run, an emptied capture): a spectrum
    // drawn under another stamp shows signals that are gone.
    struct Stamp {
        long long run = -1;
        int emptied = 0;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp() const;
    // Selects the stage and buffer of code for drawing on box; returns microseconds per
    // pixel.
    float select(int code, Canvas& box);
    // The table row of the selected code; null for a code that names no signal.
    const Stage_code* signal() const { return selected; }
    // Draws the selected curve on the box of the last select and forgets the box; returns
    // the caption ("" without a box).
    std::string plot();
    // The value source of a signal plot at t microseconds.
    float sample_at(float t, const Curve_frame& frame);
    // The spectrum of the captured values on box.
    void plot_fft(Canvas& box);
    // The value source of the spectrum: the transformed value at entry trunc(x); 0 for an
    // entry that does not exist.
    float fft_value(float x, const Curve_frame& frame);

private:
    // The selected code's row; null for a code that names no signal, which plots as 0.
    const Stage_code* selected = nullptr;
    int code = 0; // the selected stage code

    // The selected signal is read from a stage buffer / computed by the analog stage.
    bool stored_signal() const;
    bool analog_signal() const;
    // A plot of the selected window starts a capture unless one of this run is held.
    void start_capture();
    void capture(float v, int signed_stage);
    void draw_curve(Curve_frame& frame);
    // Keeps the values of the drawing pass out of all values the source returned.
    void keep_drawn(const Curve_frame& frame, const std::vector<float>& returned);
    void draw_spectrum(Canvas& target, Curve_frame& frame);
    // The caption of the plot just drawn; off receives the tick offset.
    std::string caption(const Curve_frame& frame, int& off) const;
};

// The PN-I / PN-Q transmit chips, if they hold as many chips as the analog stage reads;
// otherwise none, and the analog stage gives 0.
Chain_signal plot_chips();

// Signed stage number of the captured spectrum values.
extern int fft_code;

// A signal plot window's whole drawing for code on box: select, the analog plot
// preparation when all stages are in use, the curve, and the caption with the error
// comparison of receive-side codes appended.
std::string draw_signal_plot(int code, Canvas& box);
// The spectrum panel's drawing.
void plot_spectrum(Canvas& box);
