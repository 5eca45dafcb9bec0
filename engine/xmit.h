#pragma once
// The run driver: one transmit pass down the chain and one receive pass back up.

#include "engine/elements.h"
#include "engine/progress.h"

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
    // The last run went through to its end; a setup or a stopped run clears it.
    bool complete = false;
    // Runs started since the program began, stopped ones included: a picture drawn from
    // the chain's buffers belongs to the run of its number.
    long long runs = 0;

    // xmit of stages[0..last] in order, then rcve of stages[last..0], one Chain_signal.
    void run(Elements** stages, int last);
    // The same, telling progress how far the analog stage has come; false when progress
    // asked to stop: the run then ends after the block in hand and counts as not run.
    bool run(Elements** stages, int last, Progress& progress);
    // Wrong elements between stage step-1's transmit output and stage step's receive
    // output: ", rcve step S: E wrong out of N signals". Empty unless 1 <= step <= last
    // of a run that has gone through.
    std::string compare(int step, int selector) const;
    // The counts compare writes; nothing where it writes "".
    std::optional<Step_count> count(int step, int selector) const;
};

// A run's computation, apart from the screen: whether it went through, and its time.
struct Run_time {
    bool finished = false;
    long long seconds = 0; // whole seconds, truncated
};

// The run button: prepares the analog stage, runs the chain, writes the result line
// (for nr_stages > 0) and offers the stage buttons.
void run_transmission(Screen_port& screen);
// The parts of run_transmission on a set-up chain. compute_run touches no screen (the
// window calls it on a worker thread); show_run then writes the result line and offers
// the stage buttons.
Run_time compute_run(Progress& progress);
void show_run(Screen_port& screen, const Run_time& run);
