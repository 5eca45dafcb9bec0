#pragma once
// The decoder view headless: a number of clicks on its proceed button, and its three
// boxes as one picture.

#include "plot/trellis_picture.h"

#include <string>

// After a run of at least two stages: opens the decoder view's table, clicks `clicks`
// times and, unless png_path is empty, writes the upper trellis, the lower trellis and
// the data table one below the other as a PNG. Throws std::runtime_error when the file
// cannot be written.
void draw_decoder_clicks(Trellis_picture& view, int clicks, const std::string& png_path);
