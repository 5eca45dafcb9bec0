#pragma once
// The engine's objects, alive for the whole program, and the links to the analog stage
// that the engine needs without seeing the analog objects. All static objects are defined
// in engine/static_objects.cpp, in construction order.

#include "engine/conv_code.h"
#include "engine/elements.h"
#include "engine/interleaver.h"
#include "engine/pn_spread.h"
#include "engine/vocoder.h"
#include "engine/walsh_code.h"
#include "engine/xmit.h"

#include <array>

extern Vocoder vocoder;
extern Conv_code conv_code;
extern Interleaver interleaver;
extern Walsh_code walsh_code;
extern PN_spread pn_spread_u;
extern PN_spread pn_spread_iq;
extern Xmit transmission;

// The seven stages in chain order; the last one is the analog stage.
std::array<Elements*, n_stages> chain_stages();
// Has the analog stage derive its run settings from the parameter block (before every run).
void prepare_analog_run();
// Where the analog stage reports how far its transmit step has come (null: nowhere).
void set_analog_progress(Progress* progress);
