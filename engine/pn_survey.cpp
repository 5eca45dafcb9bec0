#include "engine/pn_survey.h"

#include <algorithm>

namespace {

// Steps between two reports: about a millisecond of work.
constexpr std::uint64_t chunk = std::uint64_t{1} << 20;
constexpr std::uint64_t start_state = 1;
constexpr int listed_matches = 4;

double share(std::uint64_t done, std::uint64_t count)
{
    return count == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(count);
}

} // namespace

Pn_timing time_pn_steps(const PN_spread& pn, Pn_step step, std::uint64_t count, Progress& p)
{
    Pn_timing t;
    t.reg = start_state;
    while (t.steps < count) {
        const std::uint64_t n = std::min(chunk, count - t.steps);
        std::uint64_t reg = t.reg;
        for (std::uint64_t k = 0; k < n; ++k) (pn.*step)(reg);
        t.reg = reg;
        t.steps += n;
        if (!p.report(share(t.steps, count))) break;
    }
    return t;
}

Pn_matches find_pn_state(const PN_spread& pn, Pn_step step, std::uint64_t target,
                         std::uint64_t count, Progress& p)
{
    Pn_matches m;
    std::uint64_t reg = start_state;
    while (m.states < count) {
        const std::uint64_t end = m.states + std::min(chunk, count - m.states);
        for (std::uint64_t k = m.states; k < end; ++k) {
            if (reg == target) {
                m.matches += 1.0;
                if (m.matches <= listed_matches) m.list += std::to_string(k) + ", ";
            }
            (pn.*step)(reg);
        }
        m.states = end;
        if (!p.report(share(m.states, count))) break;
    }
    return m;
}
