#pragma once
// The teaching views drawn headless into picture files, exactly as their windows draw.

#include "engine/progress.h"
#include "plot/bp_explorer.h"
#include "plot/constellation.h"
#include "plot/eye_pattern.h"

#include <QImage>

#include <array>
#include <string>

// After setup and a run: the eye as "start" draws it into a paint box of width x height,
// written as a PNG. False, and nothing written, when progress asked to stop. Throws
// std::runtime_error when the file cannot be written.
bool write_eye_picture(Eye_pattern& eye, int width, int height, const std::string& png_path,
                       Progress& progress);

// After setup and a run: the constellation in a square paint box of side pixels, written
// as a PNG. Throws std::runtime_error when the file cannot be written.
void write_constellation_picture(Constellation& c, int side, const std::string& png_path);

// The explorer's four plots drawn into one picture, in their places in the panel.
QImage bp_picture(const std::array<QImage, 4>& plots);

// The explorer's four plots as "show" draws them, in their places in one PNG. Throws
// std::runtime_error when the file cannot be written.
void write_bandpass_picture(Bp_explorer& explorer, const std::string& png_path);
