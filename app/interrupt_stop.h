#pragma once
// Ctrl+C during a headless job: SIGINT asks the job to stop at its next safe point; a
// second one ends the program at once.

#include "engine/progress_line.h"

#include <csignal>
#include <iosfwd>

// The exit status of a job stopped by Ctrl+C, as a shell reports a program ended by it.
constexpr int stopped_status = 130;

// While one exists, SIGINT sets the stop request instead of ending the program (unless
// SIGINT was ignored when it was made, as for a background job). A SIGINT held blocked by
// the parent is let through.
class Interrupt_stop {
public:
    Interrupt_stop();
    ~Interrupt_stop();
    Interrupt_stop(const Interrupt_stop&) = delete;
    Interrupt_stop& operator=(const Interrupt_stop&) = delete;

    static bool asked();

private:
    struct sigaction before {};
    sigset_t mask_before{};
    bool installed = false;
};

// The progress of a job: a line on err when stderr is a terminal, nothing otherwise;
// stops the job on Ctrl+C. points: a sweep's points, 0 for other jobs.
Progress_line::Setup job_progress(std::ostream& err, int points);

// The stop request alone, showing nothing: for drawing after a run.
Progress_line::Setup stop_only();

// The message of a stopped job; returns stopped_status.
int report_stopped(std::ostream& err);
