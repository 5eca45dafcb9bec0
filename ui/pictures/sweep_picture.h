#pragma once
// The sweep window's picture, drawn into an image or a PNG file without a window.

#include "engine/error_sweep.h"

#include <QImage>

#include <string>

constexpr int sweep_picture_width = 760;
constexpr int sweep_picture_height = 400;

QImage sweep_image(const Sweep_result& r, bool y_log, int width = sweep_picture_width,
                   int height = sweep_picture_height);
// Writes the picture as PNG; false when the file cannot be written.
bool write_sweep_picture(const Sweep_result& r, bool y_log, const std::string& path);
