#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

// "%.*f" of the largest double has 309 integer digits: the buffer holds that with up to
// max_precision decimals. No caller asks for more; a larger precision is cut to it.
constexpr int max_precision = 60;
using Buffer = std::array<char, 400>;

// A negative precision stays as it is: to_chars then takes 6, as printf does.
int limited(int precision) { return std::min(precision, max_precision); }

template <typename T, typename... Format> std::string chars(T v, Format... format)
{
    Buffer text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), v, format...).ptr;
    return std::string(text.data(), end);
}

} // namespace

std::string decimals_text(double v, int decimals)
{
    return chars(v, std::chars_format::fixed, limited(decimals));
}

std::string significant_text(double v, int significant)
{
    return chars(v, std::chars_format::general, limited(significant));
}

std::string scientific_text(double v, int decimals)
{
    return chars(v, std::chars_format::scientific, limited(decimals));
}

std::string shortest_text(double v) { return chars(v); }

std::string shortest_text(float v) { return chars(v); }
