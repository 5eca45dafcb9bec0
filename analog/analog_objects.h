#pragma once
// The analog unit's objects, alive for the whole program; defined in
// engine/static_objects.cpp, in construction order.

#include "analog/analog_mod.h"
#include "analog/band_pass.h"
#include "analog/da_ad.h"
#include "analog/qpsk.h"

#include <array>

// Stage 6 of the chain.
extern Analog_mod analog_mod;

// Its building blocks, which it holds by reference.
extern Band_pass band_pass_1;
extern Band_pass band_pass_2;
extern Band_pass band_pass_3;
extern std::array<Band_pass, 2> band_pass_4; // I branch, Q branch
extern Da_ad da_ad;
extern Qpsk qpsk;
// The last display average of the demodulated chips.
extern float avg_value;
