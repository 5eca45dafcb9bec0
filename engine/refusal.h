#pragma once
// Why an entry cannot be stored: the first refused row and what is wrong with its value.

#include <string>

struct Refusal {
    int row;             // index into par_rows
    std::string problem; // e.g. "2 is out of range: allowed are 0 to 1"

    // The problem led by the row's name: "roll_off = 2 is out of range: allowed are 0 to 1".
    std::string message() const;
};
