#pragma once
// How a long computation tells how far it has come and learns that the user wants it
// stopped. The window passes one that drives a progress dialog; the command line and
// the tests pass No_progress.

class Progress {
public:
    virtual ~Progress() = default;
    // done: the share of the work finished, 0 to 1. Returns false once the user has
    // asked to stop; the caller then ends at its next safe point.
    virtual bool report(double done) = 0;
};

// Shows nothing and never stops.
class No_progress : public Progress {
public:
    bool report(double) override { return true; }
};
