#pragma once
// The read-out line of a plot: what lies under the mouse, taken from the values the plot
// drew (nothing is evaluated anew).

#include <string>
#include <vector>

// A spectrum as drawn: the level of entry x at column x, and the frequency step.
struct Drawn_spectrum {
    std::vector<float> levels;
    double mhz_per_entry = 0.0;
};

// A signal plot as drawn: one abscissa (microseconds) and value per pixel column; for a
// signal read from a buffer, rate is its samples per microsecond, else 0.
// "t = 12.5 µs, sample 37, value 0.25" for column x; "" outside the drawn columns.
std::string signal_read_out(const std::vector<float>& t_us, const std::vector<float>& values,
                            float rate, int x);
// "f = 0.0625 MHz, level 1.5e-03" for column x; "" outside the drawn entries.
std::string spectrum_read_out(const Drawn_spectrum& s, int x);
