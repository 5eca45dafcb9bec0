#pragma once
// cdma_sim bandpass: the band-pass explorer's four plots drawn headless into a PNG.

#include <ostream>

// The whole command from its arguments (argv[1] is "bandpass"): exit status 0 done,
// 1 the picture could not be written, 2 a refused option or value.
int bandpass_command(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
