#pragma once
// What the parameter forms leave stored, for tests that say "nothing changed".

#include "engine/parameters.h"

#include <bit>
#include <cstdint>
#include <vector>

// Every stored value as bits, the start parameters last: "unchanged" means bit-identical.
inline std::vector<std::uint32_t> stored_bits()
{
    std::vector<std::uint32_t> bits;
    for (const float* v : get_analog_pars()) bits.push_back(std::bit_cast<std::uint32_t>(*v));
    bits.push_back(static_cast<std::uint32_t>(nr_stages));
    bits.push_back(static_cast<std::uint32_t>(data_bytes));
    return bits;
}
