#include "engine/number_reader.h"

#include <charconv>
#include <system_error>

namespace {

constexpr std::string_view blanks = " \t\r";

bool is_sign(std::string_view s, size_t i) { return i < s.size() && (s[i] == '+' || s[i] == '-'); }

// Moves i past the ASCII digits there; how many it passed.
size_t skip_digits(std::string_view s, size_t& i)
{
    const size_t start = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i - start;
}

bool is_decimal(std::string_view s)
{
    size_t i = is_sign(s, 0) ? 1 : 0;
    size_t digits = skip_digits(s, i);
    if (i < s.size() && s[i] == '.') digits += skip_digits(s, ++i);
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        if (is_sign(s, ++i)) ++i;
        if (skip_digits(s, i) == 0) return false;
    }
    return i == s.size();
}

bool is_whole(std::string_view s)
{
    size_t i = is_sign(s, 0) ? 1 : 0;
    return skip_digits(s, i) > 0 && i == s.size();
}

// from_chars takes a leading '-' but no '+'.
std::string_view without_plus(std::string_view s) { return s.starts_with('+') ? s.substr(1) : s; }

template <typename T> Number_read<T> convert(std::string_view checked, Number_refusal wrong_form)
{
    const std::string_view s = without_plus(checked);
    T v{};
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec == std::errc::result_out_of_range) return {T{}, Number_refusal::outside_range};
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return {T{}, wrong_form};
    return {v, std::nullopt};
}

} // namespace

std::string_view without_blanks(std::string_view s)
{
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string refusal_text(Number_refusal why)
{
    switch (why) {
    case Number_refusal::not_a_number: return "is not a number";
    case Number_refusal::not_a_whole_number: return "is not a whole number";
    case Number_refusal::outside_range: break;
    }
    return "is outside the range of numbers";
}

Number_read<double> read_number(std::string_view text)
{
    const std::string_view t = without_blanks(text);
    if (!is_decimal(t)) return {0.0, Number_refusal::not_a_number};
    return convert<double>(t, Number_refusal::not_a_number);
}

Number_read<int> read_whole(std::string_view text)
{
    const std::string_view t = without_blanks(text);
    if (!is_whole(t)) return {0, Number_refusal::not_a_whole_number};
    return convert<int>(t, Number_refusal::not_a_whole_number);
}
