#pragma once
// cdma_sim eye: the eye pattern of one run drawn headless into a PNG.

#include "ui/pictures/view_boxes.h"

#include <functional>
#include <ostream>
#include <string>

struct Eye_options {
    bool transmit = false;     // --side xmit
    bool q_branch = false;     // --branch Q
    bool summing = false;      // --sum
    int width = eye_box_width; // of the paint box, pixels
    int height = eye_box_height;
    std::string png_path;
};

// Takes opt if it is an option of eye, reading its value through next_value. A refused
// value throws Refused with the message.
bool take_eye_option(Eye_options& o, const std::string& opt,
                     const std::function<std::string()>& next_value);
// Throws Refused when the options make no picture.
void check_eye_options(const Eye_options& o);
// After setup and a run: draws the eye as "start" would, writes the PNG, prints the
// caption and the range line. Returns the exit status; refusals throw Refused.
int eye_command(const Eye_options& o, std::ostream& out, std::ostream& err);
