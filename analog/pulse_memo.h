#pragma once
// The DAC's pulse sums of the last transmit step, kept for the next one. They cost most
// of a run, and a run that changes only what comes after the DAC (noise, filters,
// carriers, the receiver) sums the very same pulses at the very same instants: it takes
// them from here instead, value for value.

#include "analog/da_ad.h"
#include "engine/elements.h"

#include <array>
#include <cstddef>
#include <vector>

class Pulse_memo {
public:
    // The bytes of everything the pulse sums of one run depend on: the DAC's settings,
    // both branches' chips and the sample instants (chip length, step, samples per chip).
    using Key = std::vector<unsigned char>;
    // Runs with more instants are not kept (64 MB of sums).
    static constexpr size_t max_instants = size_t{1} << 23;

    static Key key_of(const Da_ad& dac, const Chain_signal& chips, double t_chip, float dt,
                      int samples);

    // Whether the sums of a whole run with this key are held.
    bool holds(const Key& key) const { return complete && key == held; }
    // Forgets the held sums and starts keeping those of a run with this key and this many
    // instants.
    void start(Key key, size_t instants);
    // Appends the sums of the next block of the run being kept.
    void keep(const std::vector<float>& i, const std::vector<float>& q);
    // The run being kept went through to its end.
    void finish() { complete = true; }
    // Copies the held sums of instants from .. from + count - 1.
    void take(size_t from, size_t count, std::vector<float>& i, std::vector<float>& q) const;

private:
    Key held;
    std::array<std::vector<float>, 2> sums;
    bool complete = false;
};
