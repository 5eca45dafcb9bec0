#include "engine/progress_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Shown {
    const char* what;
    int points;
    std::vector<std::pair<double, double>> reports; // (clock seconds, share done)
    bool erase;
    std::string printed;
};

} // namespace

// The clock is a number the test sets: the line appears once a second has gone by, is
// written again only when its text changes, and is blanked at the end.
TEST(Progress_line, ShowsTheShareAfterTheDelayAndErasesIt)
{
    const std::vector<Shown> cases = {
        {"quick job", 0, {{0.5, 0.2}, {0.99, 0.9}}, true, ""},
        {"long job",
         0,
         {{1.0, 0.41}, {1.5, 0.415}, {2.0, 1.0}},
         true,
         "\rcdma_sim: 41 %\rcdma_sim: 100 %\r               \r"},
        {"not erased yet", 0, {{3.0, 0.05}}, false, "\rcdma_sim: 5 %"},
        {"sweep",
         200,
         {{1.0, 2.4 / 201}, {1.1, 1.0}},
         true,
         "\rcdma_sim: point 3 of 200, 1 %\rcdma_sim: point 200 of 200, 100 %"
         "\r" +
             std::string(33, ' ') + "\r"},
        {"shorter line",
         10,
         {{1.0, 10.0 / 11}, {1.0, 0.0}},
         false,
         "\rcdma_sim: point 10 of 10, 90 %\rcdma_sim: point 1 of 10, 0 %  "},
    };
    for (const Shown& c : cases) {
        std::ostringstream out;
        double now = 0.0;
        Progress_line::Setup s;
        s.out = &out;
        s.seconds = [&now] { return now; };
        s.points = c.points;
        {
            Progress_line line(s);
            for (const auto& [t, done] : c.reports) {
                now = t;
                EXPECT_TRUE(line.report(done)) << c.what;
            }
            if (c.erase) line.erase();
            EXPECT_EQ(out.str(), c.printed) << c.what;
        }
    }
}

// Without a terminal nothing is shown; a stop request stops the job either way.
TEST(Progress_line, StopsOnRequestAndShowsNothingWithoutATerminal)
{
    bool stop = false;
    Progress_line::Setup s;
    s.seconds = [] { return 5.0; };
    s.stop_asked = [&stop] { return stop; };
    Progress_line line(s);
    EXPECT_TRUE(line.report(0.5));
    stop = true;
    EXPECT_FALSE(line.report(0.6));
}
