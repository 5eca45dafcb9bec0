#pragma once
// cdma_sim constellation: the chips of one run as I/Q points, drawn headless into a PNG.

#include <functional>
#include <ostream>
#include <string>

// The side of the square picture, in pixels.
constexpr int min_constellation_px = 100;
constexpr int max_constellation_px = 2000;
constexpr int default_constellation_px = 400;

struct Constellation_options {
    bool transmit = false; // --side xmit
    int size = default_constellation_px;
    std::string png_path;
    std::string csv_path;
};

// Takes opt if it is an option of constellation, reading its value through next_value. A
// refused value throws Refused with the message.
bool take_constellation_option(Constellation_options& o, const std::string& opt,
                               const std::function<std::string()>& next_value);
// Throws Refused when the options make no picture.
void check_constellation_options(const Constellation_options& o);
// After setup and a run: draws the constellation, writes the PNG (and the CSV) and prints
// the caption. Returns the exit status; refusals throw Refused.
int constellation_command(const Constellation_options& o, std::ostream& out, std::ostream& err);
