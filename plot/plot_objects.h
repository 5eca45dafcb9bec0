#pragma once
// The plot layer's objects, alive for the whole program; defined in
// engine/static_objects.cpp, in construction order.

#include "analog/fft.h"
#include "plot/plot_ctrl.h"
#include "plot/plot_curves.h"

extern Plot_ctrl plot_ctrl;
// The curve drawer of the signal plots, spectra, eye patterns and band-pass plots.
extern Plot_curves plot_curves;
// Collects the first values of the last plot for the spectrum panels.
extern FFT fourier_fft;
