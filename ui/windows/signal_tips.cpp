#include "ui/windows/signal_tips.h"

#include "engine/stage_codes.h"
#include "plot/signal_names.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/windows/get_plots.h"

#include <QPushButton>

#include <utility>

void set_view_tooltips(TGet_plots& p)
{
    const std::pair<QPushButton*, const char*> tips[] = {
        {p.run, "transmit the test data through the chain and receive it (Ctrl+R)"},
        {p.see_result, "show the result line: wrong decoded data bits of the last run"},
        {p.FFT,
         "show the spectrum of the first plot drawn since the last run, time-window change or "
         "spectrum while its window is open (a second click: a second strip)"},
        {p.en_decoder, "the convolutional encoder and the Viterbi decoder at work"},
        {p.Walsh, "the Walsh functions that spread each 6-bit symbol to 64 chips"},
        {p.PN_U, "the long-code PN generator that scrambles the chips"},
        {p.PN_I, "the PN generator of the I branch"},
        {p.PN_Q, "the PN generator of the Q branch"},
        {p.bp_filter, "the band-pass filters: their response and the filtered signals"},
        {p.eye, "the eye pattern of the received chips: open eyes mean safe decisions"},
        {p.constellation, "every chip of both branches as an I/Q point: the four QPSK clusters"},
        {p.analog_par->button, "pulse shape, samples per chip, branches and carriers"},
        {p.filter_par->button, "the four band-pass filters: on/off, centre and width"},
        {p.distort_par->button, "noise, detuning and phase errors of the carriers"},
    };
    for (const auto& [button, tip] : tips) button->setToolTip(tip);
}

void set_signal_tooltips(TGet_plots& p)
{
    for (const Stage_code& s : stage_codes) {
        const std::string name = signal_name(s.code);
        p.stage_button(s.code)->setToolTip(
            name.empty() ? QString("plot the signal here (stage code %1)").arg(s.code)
                         : QString::fromStdString(name));
    }
}
