// cdma_sim bandpass, as a user drives it.

#include "tests/app/run_cdma_sim.h"

#include <gtest/gtest.h>

// The explorer's refusals are tested with it; here each option reaches its field or is named.
TEST(Bandpass_command, DrawsAsOptionedOrRefusesNamingTheOption)
{
    expect_rows({
        // Two rows of two 512 x 105 boxes, 7 pixels apart.
        {"bandpass --png PNG", 0, "", false,
         "scaled y(t), (f = 5.000 - 15.000 MHz); range = 8.533 microsecs, amplitude: 2.000\n"
         "scaled log of FFT of y(t); frequency range: 30.000 MHz\n"
         "scaled filtered signal z(t), amplitude: 6.457\n"
         "scaled log of FFT of z(t)\n",
         1024, 217},
        {"bandpass --type 2 --low -4 --high 12 --fft 60 --width 50 --png PNG", 0, "", false,
         "scaled y(t), (f = 0.000 - 12.000 MHz); range = 4.267 microsecs, amplitude: "},
        {"bandpass --center 0 --png PNG", 2, "--center = 0 is out of range: allowed are 1e-06",
         true},
        // Of the two test frequencies, the one typed is the one refused.
        {"bandpass --low 1e7 --png PNG", 2, "--low = 1e7 is above the highest frequency", true},
        {"bandpass --high 2 --png PNG", 2, "--high = 2 is below the lowest frequency", true},
        {"bandpass --width abc --png PNG", 2, "--width: 'abc' is not a number", true},
        {"bandpass --png ''", 2, "--png: '' is no file name", true},
        {"bandpass --center 10", 2, "bandpass needs --png FILE", true},
        {"bandpass --png", 2, "--png: a value is missing", true},
        {"bandpass --stages 6 --png PNG", 2, "unknown option '--stages' for 'bandpass'", true},
        {"bandpass --png /no/x.png", 1, "cannot write the picture", true},
    });
}
