#pragma once
// Conversions from double that are defined for every input, NaN and infinities included.

#include <algorithm>
#include <cfloat>
#include <cmath>

// v as float; beyond the float range an infinity of the same sign.
inline float to_float(double v)
{
    if (std::fabs(v) > static_cast<double>(FLT_MAX)) return v > 0 ? HUGE_VALF : -HUGE_VALF;
    return static_cast<float>(v);
}

// Pixel and sample counts beyond a thousand million cannot occur; the bound keeps the
// int arithmetic on them from overflowing.
constexpr double int_limit = 1.0e9;

// v truncated toward zero, within -int_limit .. int_limit; NaN gives 0.
inline int trunc_to_int(double v)
{
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -int_limit, int_limit));
}
