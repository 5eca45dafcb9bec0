#pragma once
// What a user has entered into the parameter sets: values typed by row of par_rows, in the
// row's unit (MHz, %, ...), and the sets confirmed. A row with nothing typed keeps its
// stored value exactly, without a round trip through the shown digits.

#include "engine/analog_pars.h"
#include "engine/number_reader.h"
#include "engine/par_rows.h"
#include "engine/refusal.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// A typed double as the float a parameter field holds; beyond the float range an
// infinity of its sign, which the range checks then refuse.
float as_float(double v);

class Par_entry {
public:
    // A value typed into a row that is not a start row; confirms the row's set. text is
    // what the user typed, echoed by a refusal instead of the rounded float.
    void type(int row, float value, std::string_view text = {});
    // A value read from text into a row that is not a start row, kept to double precision:
    // a band-pass frequency is then converted to Hz from it, so any stored float can be
    // given back. Other rows store it as the float it rounds to. Confirms the row's set.
    void type_exact(int row, double value, std::string_view text = {});
    // A whole number typed into a start row; confirms the start set.
    void type_whole(int row, int value);
    // Confirms a set even if nothing was typed into it.
    void confirm(Par_set set);

    bool confirmed(Par_set set) const;
    // The value typed into a row, or nothing.
    std::optional<double> typed(int row) const;
    // The text typed into a row ("" when only a value was given).
    const std::string& typed_text(int row) const;

private:
    // A double holds every float and every int exactly.
    std::array<std::optional<double>, par_row_count> values{};
    std::array<std::string, par_row_count> texts{};
    std::array<bool, 4> sets{}; // by Par_set - 1
};

// What the row takes, as its refusals end: "allowed are 0 to 1", "allowed are 1e-06 to
// 1e+07 MHz", "allowed are 0 (off) and 1 (on)".
std::string allowed_text(const Par_row& row);

// Why a text typed for the row is not read, with what the row takes: "'5x' is not a
// number; allowed are 0 to 1". Refusals lead it with the row's or the field's name.
std::string unread_problem(int row, std::string_view typed, Number_refusal why);

// The first typed value of a confirmed set that lies outside its row's range, in row
// order; nothing when the entry can be stored. Stores nothing.
std::optional<Refusal> check_entry(const Par_entry& e);

// Stores a checked entry set by set in menu order (start, analog, band-pass, noise). A
// confirmed analog set raises IF to 3 x chip rate and RF to 3 x IF and recomputes the
// filter centres, typed or not; typed centres and widths are stored as they are.
void apply_entry(Analog_pars& p, const Par_entry& e);
