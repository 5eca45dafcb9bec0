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

// A part of a larger job: the part's share d is told to the whole as from + d * size.
class Progress_part : public Progress {
public:
    Progress_part(Progress& whole_job, double from_share, double size_share)
        : whole(whole_job), from(from_share), size(size_share)
    {}
    bool report(double done) override { return whole.report(from + done * size); }

private:
    Progress& whole;
    double from;
    double size;
};
