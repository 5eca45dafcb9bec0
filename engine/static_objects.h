#pragma once
// The engine's objects, alive for the whole program. They are all defined in
// static_objects.cpp, in construction order.

#include "analog/analog_mod.h"
#include "analog/band_pass.h"
#include "analog/da_ad.h"
#include "analog/fft.h"
#include "analog/qpsk.h"
#include "engine/conv_code.h"
#include "engine/interleaver.h"
#include "engine/pn_spread.h"
#include "engine/vocoder.h"
#include "engine/walsh_code.h"
#include "engine/xmit.h"
#include "plot/plot_ctrl.h"

#include <array>

extern Vocoder vocoder;
extern Conv_code conv_code;
extern Interleaver interleaver;
extern Walsh_code walsh_code;
extern PN_spread pn_spread_u;
extern PN_spread pn_spread_iq;
extern Analog_mod analog_mod;
extern Xmit transmission;
extern Plot_ctrl plot_ctrl;
// The curve drawer of the signal plots, spectra, eye patterns and band-pass plots.
extern Plot_curves plot_curves;
// Collects the first values of the last plot for the spectrum panels.
extern FFT fourier_fft;

// The analog unit's building blocks beside the analog stage.
extern Band_pass band_pass_1;
extern Band_pass band_pass_2;
extern Band_pass band_pass_3;
extern std::array<Band_pass, 2> band_pass_4; // I branch, Q branch
extern Da_ad da_ad;
extern Qpsk qpsk;
// The last display average of the demodulated chips.
extern float avg_value;
