#pragma once
// Numbers as text the same in every locale: a decimal point, no digit grouping. Each form
// gives exactly what printf gives in the "C" locale.

#include <string>

// printf "%.*f": `decimals` digits after the point.
std::string decimals_text(double v, int decimals);
// printf "%.*g": at most `significant` digits, trailing zeros dropped, exponent form
// ("1.5e+07") for large and small magnitudes.
std::string significant_text(double v, int significant);
// printf "%.*e": one digit, the point, `decimals` digits, then "e+XX" or "e-XX".
std::string scientific_text(double v, int decimals);
// The fewest digits that read back as exactly this value.
std::string shortest_text(double v);
std::string shortest_text(float v);
