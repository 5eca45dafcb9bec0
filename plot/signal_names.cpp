#include "plot/signal_names.h"

#include "analog/analog_objects.h"
#include "engine/elements.h"
#include "engine/stage_codes.h"

namespace {

// The analog stage's caption of each analog point: 6 .. 11 on the transmit side at 0 .. 5,
// -10 .. -6 on the receive side at 6 .. 10.
size_t caption_of(Analog_point p)
{
    const int n = static_cast<int>(p);
    return static_cast<size_t>(n > 0 ? n - 6 : n + 16);
}

// The buffer name the caption of a stored signal shows.
std::string stored_name(const Stage_code_parts& p)
{
    // The analog stage names its stored chips after the run's samples per chip.
    if (p.position == 6 && stage_table[6] != nullptr) return analog_mod.captions[11];
    return buffer_name(p);
}

std::string trimmed(const std::string& s)
{
    const size_t last = s.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

} // namespace

std::string buffer_name(const Stage_code_parts& p)
{
    const Elements* e = stage_table[static_cast<size_t>(p.element())];
    const int k = p.name_index();
    if (e == nullptr || k < 0 || k >= Elements::max_buffers) return {};
    return e->names[static_cast<size_t>(k)];
}

std::string iq_suffix(const Stage_code_parts& p)
{
    const int b = iq_branch(p);
    if (b < 0) return {};
    return std::string(", ") + std::string(iq_branch_names[static_cast<size_t>(b)]);
}

std::string signal_name(int code)
{
    const Stage_code* row = find_stage_code(code);
    if (row == nullptr) return {};
    const Stage_code_parts parts = decode_stage_code(code);
    const std::string name =
        trimmed(row->kind == Signal_kind::stored ? stored_name(parts)
                                                 : analog_mod.captions[caption_of(row->point)]);
    if (name.empty()) return {};
    // A tooltip names a single branch only; the sum of both is the signal itself.
    const std::string branch = iq_branch(parts) > 0 ? iq_suffix(parts) : std::string();
    return std::to_string(parts.side * parts.position) + ". step: " + name + branch;
}
