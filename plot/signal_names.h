#pragma once
// The name of the signal at a stage code, as its plot caption names it: "1. step: conv.
// encoded signals". Read from the same names the captions are made of (the stages' buffer
// names and the analog stage's captions of the last run), without drawing anything.

#include <string>

// "" for a code that names no signal or before the stage has named its signals.
std::string signal_name(int code);
