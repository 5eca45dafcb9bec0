#pragma once
// The one reader of typed numbers: the command line, lesson files and every entry field
// accept the same texts. A number is decimal: an optional sign ('+' or '-'), digits with
// an optional point (at least one digit on either side), then an optional exponent ('e' or
// 'E', an optional sign, digits). A whole number is an optional sign and digits. Blanks
// (space, tab, CR) around the number are ignored; nothing else may stand before or after
// it. No hexadecimal, no "inf" or "nan", and only the digits 0 to 9.

#include <optional>
#include <string>
#include <string_view>

enum class Number_refusal { not_a_number, not_a_whole_number, outside_range };

// What a refusal says after the text it echoes: "is not a number", "is not a whole
// number", "is outside the range of numbers".
std::string refusal_text(Number_refusal why);

// The text without the blanks around it, as the readers see it.
std::string_view without_blanks(std::string_view text);

template <typename T> struct Number_read {
    T value{}; // 0 when refused
    std::optional<Number_refusal> refusal;

    bool ok() const { return !refusal; }
};

// A decimal number, rounded to the nearest double. One that no double holds (a magnitude
// above about 1.8e308, or one below about 4.9e-324 that is not zero) is outside the range.
Number_read<double> read_number(std::string_view text);
// A whole number; outside the range when an int cannot hold it.
Number_read<int> read_whole(std::string_view text);
