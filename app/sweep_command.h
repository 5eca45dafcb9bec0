#pragma once
// cdma_sim sweep: the error sweep on the command line, as CSV and optionally a picture.

#include <iosfwd>

// argv[1] is "sweep". Exit status as run_cli.
int run_sweep_command(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
