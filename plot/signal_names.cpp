#include "plot/signal_names.h"

#include "analog/analog_objects.h"
#include "engine/elements.h"
#include "engine/stage_codes.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The analog stage's caption of each analog point: 6 .. 11 on the transmit side at 0 .. 5,
// -10 .. -6 on the receive side at 6 .. 10.
size_t caption_of(Analog_point p)
{
    const int n = static_cast<int>(p);
    return static_cast<size_t>(n > 0 ? n - 6 : n + 16);
}

// The buffer name the caption of a stored signal shows (as the plot control picks it).
std::string stored_name(int code)
{
    const int magnitude = std::abs(code);
    const int side = code < 0 ? -1 : 1;
    const int stage = magnitude % 100;
    const int variant = magnitude / 100;
    int k = std::max(0, -side);
    if (stage == 5) k = variant - side;
    if (stage == 4) k = variant;
    const Elements* e = stage_table[static_cast<size_t>(std::min(6, stage))];
    if (e == nullptr || k < 0 || k >= Elements::max_buffers) return {};
    // The analog stage names its stored chips after the run's samples per chip.
    if (stage == 6) return analog_mod.captions[11];
    return e->names[static_cast<size_t>(k)];
}

std::string branch(int code)
{
    const int variant = std::abs(code) / 100;
    const int s = variant > 2 ? variant - 2 : variant;
    if (std::abs(code) % 100 < 6 || s < 1 || s > 2) return {};
    return s == 1 ? ", I" : ", Q";
}

std::string trimmed(const std::string& s)
{
    const size_t last = s.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

} // namespace

std::string signal_name(int code)
{
    const Stage_code* row = find_stage_code(code);
    if (row == nullptr) return {};
    const std::string name =
        trimmed(row->kind == Signal_kind::stored ? stored_name(code)
                                                 : analog_mod.captions[caption_of(row->point)]);
    if (name.empty()) return {};
    const int magnitude = std::abs(code) % 100;
    return std::to_string(code < 0 ? -magnitude : magnitude) + ". step: " + name + branch(code);
}
