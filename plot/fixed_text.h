#pragma once
// Fixed-point number text as the parameter menus and labels show it.

#include <string>

// v with `digits` decimals after rounding to at most `precision` significant digits
// (half away from zero, on the decimal digits); digits past the precision are written
// as 0. When the integer part needs more than `precision` digits the text switches to
// exponent notation: up to `precision` significant digits, trailing zeros dropped, then
// "E", a minus sign for negative exponents and at least min(digits, 4) exponent digits
// (123456 at 3/2 gives "1.23E05"). A value that rounds to zero has no minus sign;
// infinities and NaN give "INF", "-INF" and "NAN".
std::string fixed_text(double v, int precision, int digits);
