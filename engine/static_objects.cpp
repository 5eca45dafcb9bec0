// Every static object of the engine, in construction order (C++ orders static
// construction only within one file); destruction runs in reverse.

#include "engine/static_objects.h"

Vocoder vocoder;
Conv_code conv_code;
Interleaver interleaver;
Walsh_code walsh_code(6);
PN_spread pn_spread_u("U");
PN_spread pn_spread_iq("IQ");
Analog_mod analog_mod;
Xmit transmission;
Plot_ctrl plot_ctrl;
Plot_curves plot_curves;
FFT fourier_fft(512);

Band_pass band_pass_1;
Band_pass band_pass_2;
Band_pass band_pass_3;
std::array<Band_pass, 2> band_pass_4;
Da_ad da_ad;
Qpsk qpsk;
float avg_value = 0.0f;
