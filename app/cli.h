#pragma once
// The headless command line: run, dump, --help, --version.

#include <iosfwd>

// Exit status: 0 done, 1 the chain could not be set up, 2 a refused command or value.
int run_cli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
