// Every static object of the program's engine, analog unit and plot layer, in construction
// order (C++ orders static construction only within one file); destruction runs in
// reverse. Also the links between the layers that only this file sees whole.

#include "analog/analog_objects.h"
#include "engine/engine_objects.h"
#include "engine/parameters.h"
#include "plot/plot_objects.h"

Vocoder vocoder;
Conv_code conv_code;
Interleaver interleaver;
Walsh_code walsh_code(6);
PN_spread pn_spread_u("U");
PN_spread pn_spread_iq("IQ");
// Its building blocks are constructed below; it only keeps references to them until a run.
Analog_mod analog_mod(da_ad, qpsk, band_pass_1, band_pass_2, band_pass_3, band_pass_4, avg_value);
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

std::array<Elements*, n_stages> chain_stages()
{
    return {&vocoder,     &conv_code,    &interleaver, &walsh_code,
            &pn_spread_u, &pn_spread_iq, &analog_mod};
}

void prepare_analog_run() { analog_mod.prepare_run(); }

void set_analog_progress(Progress* progress) { analog_mod.progress = progress; }

const std::array<float*, par_count>& get_analog_pars() { return analog_mod.par_table; }

Analog_pars& analog_pars() { return analog_mod; }
