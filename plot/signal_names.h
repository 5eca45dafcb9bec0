#pragma once
// The name of the signal at a stage code, as its plot caption names it: "1. step: conv.
// encoded signals". Read from the same names the captions are made of (the stages' buffer
// names and the analog stage's captions of the last run), without drawing anything.

#include "engine/stage_codes.h"

#include <string>

// The element's buffer name a caption shows for the signal; "" when the stage has none.
std::string buffer_name(const Stage_code_parts& p);
// ", I + Q", ", I" or ", Q": the branch a caption names; "" for a signal of no branch.
std::string iq_suffix(const Stage_code_parts& p);

// "" for a code that names no signal or before the stage has named its signals.
std::string signal_name(int code);
