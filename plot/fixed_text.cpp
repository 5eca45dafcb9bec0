#include "plot/fixed_text.h"

#include "engine/number_reader.h"
#include "engine/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

// 17 significant digits hold every double exactly enough to round it once more.
constexpr int exact_digits = 17;
constexpr int max_precision = 18;
constexpr int max_exponent_digits = 4;

// |v| as 0.d1d2d3... x 10^exponent; no digits for zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal to_decimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0.0) return d;
    // "d.dddddddddddddddde+XX"
    const std::string text = scientific_text(magnitude, exact_digits - 1);
    const size_t e = text.find('e');
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits.push_back(text[i]);
    d.exponent = read_whole(std::string_view(text).substr(e + 1)).value + 1;
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero; drops trailing zeros.
void round_to(Decimal& d, int keep)
{
    if (keep < 0 || d.digits.empty()) {
        d = {};
        return;
    }
    const auto n = static_cast<size_t>(keep);
    if (n < d.digits.size()) {
        const bool up = d.digits[n] >= '5';
        d.digits.resize(n);
        if (up) {
            size_t i = n;
            while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
            if (i == 0) {
                d.digits.insert(d.digits.begin(), '1');
                ++d.exponent;
            } else {
                ++d.digits[i - 1];
            }
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d = {};
}

char digit_at(const Decimal& d, int i)
{
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
}

std::string exponent_text(const Decimal& d, int digits)
{
    std::string s(1, d.digits[0]);
    if (d.digits.size() > 1) {
        s += '.';
        s.append(d.digits, 1);
    }
    const int e = d.exponent - 1;
    std::string power = std::to_string(std::abs(e));
    const auto min_len = static_cast<size_t>(std::clamp(digits, 0, max_exponent_digits));
    if (power.size() < min_len) power.insert(0, min_len - power.size(), '0');
    return s + "E" + (e < 0 ? "-" : "") + power;
}

} // namespace

std::string fixed_text(double v, int precision, int digits)
{
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0.0 ? "-INF" : "INF";
    precision = std::clamp(precision, 1, max_precision);
    digits = std::max(digits, 0);

    Decimal d = to_decimal(std::fabs(v));
    round_to(d, std::min(precision, d.exponent + digits));
    const std::string sign = v < 0.0 && !d.digits.empty() ? "-" : "";
    if (d.exponent > precision) return sign + exponent_text(d, digits);

    std::string s = sign;
    if (d.exponent <= 0) s += '0';
    for (int i = 0; i < d.exponent; ++i) s += digit_at(d, i);
    if (digits > 0) {
        s += '.';
        for (int i = 0; i < digits; ++i) s += digit_at(d, d.exponent + i);
    }
    return s;
}
