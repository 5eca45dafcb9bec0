#pragma once
// Every instant an eye pattern evaluates, in seconds: the range scan's, then the columns of
// each distinct trace start. Consecutive groups of traces start at the very same float
// sums, so the 290 traces of the default eye have only 62 distinct starts; what does not
// depend on filter state is computed once per instant, on all cores.

#include "analog/path_samples.h"
#include "engine/progress.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

class Eye_instants {
public:
    // scan_us: the scan's instants; starts: the trace starts (µs); dt_us: the column step.
    Eye_instants(const std::vector<float>& scan_us, const std::vector<float>& starts, float dt_us,
                 int width);

    // Block 0 holds the scan, every other block the columns of one trace start.
    size_t block_of(float start_us) const;
    // The instants of a block, seconds.
    std::vector<float> instants(size_t block) const;

    // The filter-independent part of the analog path at the instants of each block. Told
    // the share of instants done after every part of them (as many as the analog stage
    // evaluates per block); nothing when progress asks to stop.
    std::optional<std::vector<Path_samples>>
    path_samples(const Analog_mod& a, const Chain_signal& chips, Progress& progress) const;
    // The DAC output of one branch's chips at the instants of each block; told and stopped
    // the same way.
    std::optional<std::vector<std::vector<float>>>
    dac_values(const Analog_mod& a, const float* chips, Progress& progress) const;

private:
    struct Block {
        size_t from, to;
    };
    std::vector<float> t;
    std::vector<Block> blocks;
    std::unordered_map<std::uint32_t, size_t> by_start;
};
