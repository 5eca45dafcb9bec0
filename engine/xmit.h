#pragma once
// The run driver: one transmit pass down the chain and one receive pass back up.

#include "engine/elements.h"

#include <optional>
#include <string>

class Screen_port;

// Wrong elements of one receive comparison, out of total.
struct Step_count {
    int wrong = 0;
    int total = 0;
};

class Xmit {
public:
    Elements** stages = nullptr;
    int last = 0;

    // xmit of stages[0..last] in order, then rcve of stages[last..0], one Chain_signal.
    void run(Elements** stages, int last);
    // Wrong elements between stage step-1's transmit output and stage step's receive
    // output: ", rcve step S: E wrong out of N signals". Empty unless 1 <= step <= last
    // of a run that has taken place.
    std::string compare(int step, int selector) const;
    // The counts compare writes; nothing where it writes "".
    std::optional<Step_count> count(int step, int selector) const;
};

// The run button: prepares the analog stage, runs the chain, writes the result line
// (for nr_stages > 0) and offers the stage buttons.
void run_transmission(Screen_port& screen);
