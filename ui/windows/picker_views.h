#pragma once
// The views that the stage picker's red buttons open, and the result line that its
// "errors ?" button shows. The main screen owns them.

#include <array>

class QWidget;
class TFourier_plot;
class TSpreading_fcts;
class TViterbi_decoder;

struct Picker_views {
    TSpreading_fcts* spreading = nullptr;
    TViterbi_decoder* decoder = nullptr;
    // The upper and the lower spectrum strip.
    std::array<TFourier_plot*, 2> spectra{};
    QWidget* eye = nullptr;
    QWidget* constellation = nullptr;
    QWidget* band_pass = nullptr;
    QWidget* result = nullptr;
};
