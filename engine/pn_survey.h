#pragma once
// The long PN loops of the spreading-function explorer: timing the generator and
// searching a run of register states for one state. Both may run up to 2^42 steps, so
// they report their progress and stop when asked to.

#include "engine/pn_spread.h"
#include "engine/progress.h"

#include <cstdint>
#include <string>

// One generator step of a PN_spread object: step_u, step_i or step_q.
using Pn_step = bool (PN_spread::*)(std::uint64_t&) const;

struct Pn_timing {
    std::uint64_t steps = 0; // done; fewer than asked when stopped
    std::uint64_t reg = 0;   // the register after them
};

// Steps the register `count` times from its initial value 1.
Pn_timing time_pn_steps(const PN_spread& pn, Pn_step step, std::uint64_t count, Progress& p);

struct Pn_matches {
    double matches = 0;       // states equal to the target
    std::string list;         // "k, " for each of the first four matches
    std::uint64_t states = 0; // compared; fewer than asked when stopped
};

// Compares the first `count` states from 1 (state k after k steps) with target.
Pn_matches find_pn_state(const PN_spread& pn, Pn_step step, std::uint64_t target,
                         std::uint64_t count, Progress& p);
