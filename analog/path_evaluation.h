#pragma once
// Path_samples filled by helper threads while the calling thread does other work (see
// Parallel_parts); the calling thread joins in when it calls finish.

#include "analog/parallel_parts.h"
#include "analog/path_samples.h"

class Path_evaluation {
public:
    // Sizes the results of s for its instants and starts up to threads - 1 helpers on them.
    // s, a and chips must outlive the evaluation, and nothing may change them until it
    // has finished.
    Path_evaluation(Path_samples& s, const Analog_mod& a, const Chain_signal& chips, int threads);

    // Evaluates parts on this thread until none is left, then waits for the helpers.
    void finish() { parts.finish(); }
    // Hands out no further part and waits for the helpers; the results are then partly
    // filled.
    void abandon() { parts.abandon(); }

private:
    Path_samples& samples;
    const Analog_mod& analog;
    Chain_signal chips;
    Parallel_parts parts; // last: its helpers read the members above
};
