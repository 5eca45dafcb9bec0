#pragma once
// The command line's help text.

#include <string>

// The help text; its list of --set names is made from the parameter table.
std::string usage_text();
