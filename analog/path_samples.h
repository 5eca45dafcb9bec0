#pragma once
// The filter-independent part of the analog path (pulse sums, IF modulation, carrier
// values, receive oscillator) at a run of sample instants. Each instant is independent
// of the others, so the instants are shared out among threads; the filters then run
// over the results in time order.

#include "analog/analog_mod.h"

#include <array>
#include <vector>

class Path_samples {
public:
    std::vector<float> t;   // sample instants, s
    std::vector<float> sum; // Analog_mod::summed_if at each instant
    std::vector<Analog_mod::Carriers> car;
    std::array<std::vector<double>, 2> dem; // receive oscillator: sin for I, cos for Q
    // With two branches: the DAC's pulse sums of I and Q at each instant. Filled by
    // evaluate unless pulses_given says they hold the sums already.
    std::array<std::vector<float>, 2> pulse;
    bool pulses_given = false;

    // Fills sum, car and dem for every instant in t, with up to `threads` threads.
    void evaluate(const Analog_mod& a, const Chain_signal& chips, int threads);

    // The results sized for the instants in t (before evaluate_range).
    void size_results(const Analog_mod& a);
    // Fills the results of the instants from .. to - 1.
    void evaluate_range(const Analog_mod& a, const Chain_signal& chips, size_t from, size_t to);
};
