#pragma once
// Why an entry cannot be stored: the first refused row and what is wrong with its value;
// and how a refusal shows what was typed.

#include "engine/number_reader.h"

#include <string>
#include <string_view>

struct Refusal {
    int row;             // index into par_rows
    std::string problem; // e.g. "2 is out of range: allowed are 0 to 1"

    // The problem led by the row's name: "roll_off = 2 is out of range: allowed are 0 to 1".
    std::string message() const;
};

// The most characters of a typed text a refusal shows.
constexpr size_t max_echo_chars = 80;

// Typed text as a refusal may show it on a terminal or in a message box: at most
// max_echo_chars characters (then "..."), every control character, and every byte that
// is no part of UTF-8 text, written escaped: \t, \n, \r, else \xNN (\x1b, \x00).
std::string echo_text(std::string_view typed);

// The two refusals of a typed value, each ending with what is allowed ("allowed are 0 to
// 1"): "'5x' is not a number; allowed are ..." and "2 is out of range: allowed are ...".
// Both echo the text as echo_text does; the caller leads them with the field's name.
std::string unread_text(std::string_view typed, Number_refusal why, const std::string& allowed);
std::string out_of_range_text(std::string_view typed, const std::string& allowed);
