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
