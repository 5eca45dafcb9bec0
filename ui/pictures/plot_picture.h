#pragma once
// The headless plot: a signal plot window's paint box drawn into a picture file.

#include <QGuiApplication>

#include <memory>
#include <string>

class QGuiApplication;

class QImage;
class QString;

struct Plot_picture {
    int code = 0;
    float start_us = 0.0f;
    float window_us = 0.0f;
    int width = 750; // of the paint box, pixels
    int height = 128;
    std::string png_path;
    bool with_caption = false; // the window caption as a line above the drawing
};

// The drawing with `caption` written above it, black on white and wrapped to the width
// of the drawing, so that a saved picture says what it shows.
QImage with_caption(const QImage& drawing, const QString& caption);

// After setup and a run: hands the time window to the plot control as the time-window
// panel does, draws the signal of p.code exactly as its window would, writes the PNG and
// returns the window caption (also drawn above the picture when p.with_caption). Throws
// std::runtime_error when the file cannot be written.
std::string write_plot_picture(const Plot_picture& p);

// The application object that text needs, when none runs yet; offscreen without a display.
std::unique_ptr<QGuiApplication> headless_application();
