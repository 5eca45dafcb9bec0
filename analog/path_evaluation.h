#pragma once
// Path_samples filled by helper threads while the calling thread does other work: the
// instants are handed out in small parts to whichever thread is free, so that a thread
// that starts late or shares its core holds no one up. The calling thread joins in when
// it calls finish.

#include "analog/path_samples.h"

#include <atomic>
#include <thread>
#include <vector>

class Path_evaluation {
public:
    // Sizes the results of s for its instants and starts up to threads - 1 helpers on them.
    // s, a and chips must outlive the evaluation, and nothing may change them until it
    // has finished.
    Path_evaluation(Path_samples& s, const Analog_mod& a, const Chain_signal& chips, int threads);
    ~Path_evaluation();
    Path_evaluation(const Path_evaluation&) = delete;
    Path_evaluation& operator=(const Path_evaluation&) = delete;

    // Evaluates parts on this thread until none is left, then waits for the helpers.
    void finish();
    // Hands out no further part and waits for the helpers; the results are then partly
    // filled.
    void abandon();

private:
    Path_samples& samples;
    const Analog_mod& analog;
    Chain_signal chips;
    size_t part = 1; // instants a thread takes at a time
    std::atomic<size_t> next{0};
    std::vector<std::thread> helpers;

    void work();
};
