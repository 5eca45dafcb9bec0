#pragma once
// A job's progress as one line of a terminal: once the job has run for a while, the share
// done ("cdma_sim: 41 %", for a sweep "cdma_sim: point 3 of 200, 41 %"), rewritten in
// place after a carriage return whenever its text changes, and erased at the end.

#include "engine/progress.h"

#include <functional>
#include <iosfwd>
#include <string>

class Progress_line : public Progress {
public:
    struct Setup {
        std::ostream* out = nullptr;      // nothing is shown without one
        double delay_s = 1.0;             // shown only after the job has run this long
        std::function<double()> seconds;  // the clock, in seconds
        std::function<bool()> stop_asked; // the job stops once it says so
        int points = 0; // a sweep's points, run as points + 1 equal shares; 0 for no sweep
    };

    explicit Progress_line(Setup s);
    ~Progress_line() override;
    Progress_line(const Progress_line&) = delete;
    Progress_line& operator=(const Progress_line&) = delete;

    bool report(double done) override;
    // Clears the line, if one is shown; nothing is shown after it.
    void erase();
    // The line at share done.
    std::string text(double done) const;

private:
    Setup setup;
    double start = 0.0;
    std::string shown;
    bool ended = false;
};
