#pragma once
// What every stage code means. A stage code names one plottable signal: sign = side (zero
// and positive transmit, negative receive), |code| mod 100 = position in the chain (0..11;
// 6..11 all belong to the analog stage), |code| / 100 = variant (branch or buffer): the
// parts decode_stage_code gives. It is the tag of a blue "?" button of the circuit diagram
// and of the plot window opened from it. The command line, the plot control, the analog
// stage, the stage picker and the drawing of the circuit diagram all read this one table.

#include <array>
#include <string_view>

// A signal is read from a stage buffer, or computed at an instant by the analog stage.
enum class Signal_kind { stored, analog };

// The points of the analog path, numbered by their signed position in the chain.
enum class Analog_point : int {
    none = 0,
    dac = 6,              // DAC output of one branch
    if_modulated = 7,     // after the IF mixer of one branch, or the sum of both
    band_pass_1 = 8,      // after band-pass position 1
    rf_modulated = 9,     // after the RF mixer
    band_pass_2 = 10,     // after band-pass position 2
    noise_added = 11,     // after the added RF carrier
    rf_demodulated = -10, // after the RF down-mixer
    band_pass_3 = -9,     // after band-pass position 3
    if_demodulated = -8,  // after the receive IF mixer of one branch
    band_pass_4 = -7,     // after band-pass position 4 of one branch
    chip_average = -6,    // the ADC's average over the current chip at the plot's step
};

struct Stage_code {
    int code;
    std::string_view button; // object name of its "?" button
    int element;             // index into stage_table
    int buffer;              // index into the element's buffers; -1 for analog points
    Signal_kind kind;
    Analog_point point;           // none for stored signals
    bool compared;                // receive buffer with a transmit counterpart: error count shown
    int left, top, width, height; // the button, in stage-picker panel coordinates
    int row, slot;                // the stage picker's button row and place in it
};

namespace stage_code_rows {
constexpr Signal_kind S = Signal_kind::stored;
constexpr Signal_kind A = Signal_kind::analog;
using P = Analog_point;
} // namespace stage_code_rows

// In the order of the circuit diagram, left to right: the order the buttons are made in.
constexpr std::array<Stage_code, 33> stage_codes = [] {
    using namespace stage_code_rows;
    return std::array<Stage_code, 33>{{
        {0, "stage0", 0, 0, S, P::none, false, 22, 2, 12, 17, 0, 0},
        {1, "stage1", 1, 0, S, P::none, false, 22, 58, 12, 17, 1, 0},
        {2, "stage2", 2, 0, S, P::none, false, 25, 122, 12, 17, 2, 0},
        {3, "stage3", 3, 0, S, P::none, false, 102, 82, 12, 17, 3, 0},
        {4, "stage4", 4, 0, S, P::none, false, 150, 66, 12, 17, 4, 0},
        {105, "stage5a", 5, 0, S, P::none, false, 198, 42, 12, 17, 5, 0},
        {205, "stage5b", 5, 1, S, P::none, false, 198, 90, 12, 17, 5, 1},
        {106, "stage6a", 6, -1, A, P::dac, false, 230, 42, 12, 17, 6, 0},
        {206, "stage6b", 6, -1, A, P::dac, false, 230, 90, 12, 17, 6, 1},
        {107, "stage7a", 6, -1, A, P::if_modulated, false, 270, 42, 12, 17, 7, 1},
        {207, "stage7b", 6, -1, A, P::if_modulated, false, 270, 90, 12, 17, 7, 2},
        {7, "stage7", 6, -1, A, P::if_modulated, false, 288, 62, 12, 21, 7, 0},
        {8, "stage8", 6, -1, A, P::band_pass_1, false, 318, 62, 12, 21, 7, 3},
        {9, "stage9", 6, -1, A, P::rf_modulated, false, 342, 62, 12, 21, 8, 0},
        {10, "stage10", 6, -1, A, P::band_pass_2, false, 374, 46, 12, 21, 8, 1},
        {11, "stage11", 6, -1, A, P::noise_added, false, 398, 46, 12, 17, 8, 2},
        {-10, "stage_10", 6, -1, A, P::rf_demodulated, false, 430, 62, 12, 21, 8, 3},
        {-9, "stage_9", 6, -1, A, P::band_pass_3, false, 462, 62, 12, 21, 8, 4},
        {-108, "stage_8a", 6, -1, A, P::if_demodulated, false, 510, 50, 12, 17, 7, 4},
        {-208, "stage_8b", 6, -1, A, P::if_demodulated, false, 510, 90, 12, 17, 7, 5},
        {-107, "stage_7a", 6, -1, A, P::band_pass_4, false, 542, 50, 12, 17, 7, 6},
        {-207, "stage_7b", 6, -1, A, P::band_pass_4, false, 542, 90, 12, 17, 7, 7},
        {-306, "stage_6c", 6, -1, A, P::chip_average, false, 562, 50, 12, 17, 6, 4},
        {-406, "stage_6d", 6, -1, A, P::chip_average, false, 562, 90, 12, 17, 6, 5},
        {-106, "stage_6a", 6, 2, S, P::none, true, 586, 50, 12, 17, 6, 2},
        {-206, "stage_6b", 6, 3, S, P::none, true, 586, 90, 12, 17, 6, 3},
        {-105, "stage_5a", 5, 2, S, P::none, true, 630, 34, 12, 17, 5, 2},
        {-205, "stage_5b", 5, 3, S, P::none, true, 630, 106, 11, 17, 5, 3},
        {-104, "stage_4a", 4, 1, S, P::none, true, 694, 42, 12, 17, 4, 1},
        {-204, "stage_4b", 4, 2, S, P::none, true, 694, 98, 12, 17, 4, 2},
        {-3, "stage_3", 3, 1, S, P::none, true, 820, 66, 12, 17, 3, 1},
        {-2, "stage_2", 2, 1, S, P::none, true, 846, 74, 12, 17, 2, 1},
        {-1, "stage_1", 1, 1, S, P::none, true, 844, 18, 12, 17, 1, 1},
    }};
}();

// A signed stage code taken apart.
struct Stage_code_parts {
    int side;     // 1 transmit (also for code 0), -1 receive
    int position; // |code| mod 100: the place in the chain
    int variant;  // |code| / 100: branch or buffer

    // The index into stage_table: every position from 6 to 11 belongs to the analog stage.
    constexpr int element() const { return position < 6 ? position : 6; }
    // The element's name (Elements::names) a caption shows for a stored signal.
    constexpr int name_index() const
    {
        if (position == 5) return variant - side;
        if (position == 4) return variant;
        return side < 0 ? 1 : 0;
    }
};

constexpr Stage_code_parts decode_stage_code(int code)
{
    const long long magnitude = code < 0 ? -static_cast<long long>(code) : code;
    return {code < 0 ? -1 : 1, static_cast<int>(magnitude % 100),
            static_cast<int>(magnitude / 100)};
}

// The I/Q branches a caption names, by the value iq_branch gives.
constexpr std::array<std::string_view, 3> iq_branch_names{"I + Q", "I", "Q"};

// The branch a signal of the analog path belongs to: 0 both, 1 I, 2 Q (variants 3 and 4
// are the I and Q of a second signal at the same place); -1 where no branch is named:
// outside the analog stage, and after the RF mixer up to the receive IF mixer.
constexpr int iq_branch(const Stage_code_parts& p)
{
    const int b = p.variant > 2 ? p.variant - 2 : p.variant;
    const bool named = p.position >= 6 && p.position <= (p.side > 0 ? 7 : 8);
    return named && b <= 2 ? b : -1;
}

// The stage picker's rows of buttons: one row per part of the chain, up to 8 places each.
constexpr int stage_rows = 9;
constexpr int stage_row_places = 8;

// The row of a code, or null for a code that names no signal.
constexpr const Stage_code* find_stage_code(int code)
{
    for (const Stage_code& s : stage_codes)
        if (s.code == code) return &s;
    return nullptr;
}

// The number of buttons in each row.
constexpr std::array<int, stage_rows> stage_row_counts()
{
    std::array<int, stage_rows> n{};
    for (const Stage_code& s : stage_codes) ++n[static_cast<size_t>(s.row)];
    return n;
}

// Every rule that ties the columns to the code, checked while compiling.
constexpr bool stage_codes_consistent()
{
    std::array<std::array<int, stage_row_places>, stage_rows> taken{};
    for (const Stage_code& s : stage_codes) {
        const Stage_code_parts parts = decode_stage_code(s.code);
        const bool receive = parts.side < 0;
        if (find_stage_code(s.code) != &s) return false; // codes are unique
        if (s.element != parts.element()) return false;
        if (s.row < 0 || s.row >= stage_rows || s.slot < 0 || s.slot >= stage_row_places)
            return false;
        if (taken[static_cast<size_t>(s.row)][static_cast<size_t>(s.slot)]++ != 0) return false;
        const bool stored = s.kind == Signal_kind::stored;
        if (stored != (s.buffer >= 0) || stored != (s.point == Analog_point::none)) return false;
        if (!stored && static_cast<int>(s.point) != parts.side * parts.position) return false;
        if (s.compared != (stored && receive)) return false;
    }
    // The places of each row are filled from the first on.
    const std::array<int, stage_rows> count = stage_row_counts();
    for (int r = 0; r < stage_rows; ++r)
        for (int j = 0; j < count[static_cast<size_t>(r)]; ++j)
            if (taken[static_cast<size_t>(r)][static_cast<size_t>(j)] != 1) return false;
    return true;
}

static_assert(stage_codes.size() == 33, "33 buttons on the circuit diagram");
static_assert(stage_codes_consistent(), "element, buffer, kind, point, comparison or place");
static_assert(stage_row_counts() == std::array<int, stage_rows>{1, 2, 2, 2, 3, 4, 6, 8, 5});
