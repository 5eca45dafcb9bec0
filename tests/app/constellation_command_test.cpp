// cdma_sim constellation, as a user drives it.

#include "tests/app/run_cdma_sim.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

TEST(Constellation_command, DrawsAsOptionedOrRefusesWithTheReason)
{
    expect_rows({
        {"constellation --png PNG", 0, "", false,
         "constellation (rcve, 2048 chips): wrong I: 0, wrong Q: 0\n", 400, 400},
        {"constellation --side xmit --size 100 --png PNG", 0, "", false,
         "constellation (xmit, 2048 chips)", 100, 100},
        {"constellation --set iq_branches=1 --size 2000 --png PNG", 0, "", false,
         "constellation (rcve, 2048 chips): wrong I: 0, wrong Q: 0, one branch: I only\n", 2000,
         2000},
        {"constellation", 2, "constellation needs --png FILE", true},
        {"constellation --size 99 --png PNG", 2,
         "--size = 99 is out of range: allowed are 100 to 2000", true},
        {"constellation --size 2001 --png PNG", 2, "allowed are 100 to 2000", true},
        {"constellation --side up --png PNG", 2, "--side: 'up' is neither rcve nor xmit", true},
        {"constellation --csv '' --png PNG", 2, "--csv", true},
        {"constellation --stages 5 --png PNG", 2,
         "constellation shows the analog stage's chips: it needs nr_stages 6", true},
        {"constellation --png PNG --csv /no/x.csv", 1, "cannot write the file '/no/x.csv'", true},
    });
}

// The chips the DAC is given lie 0.5 from each decision line, or on the I axis with one
// branch.
TEST(Constellation_command, CsvHoldsOnePointPerChip)
{
    struct Row {
        std::string args;
        std::set<std::string> lines;
    };
    const std::vector<Row> rows = {
        {"", {"0.5,0.5", "0.5,-0.5", "-0.5,0.5", "-0.5,-0.5"}},
        {"--set iq_branches=1", {"0.5,0", "-0.5,0"}},
    };
    const std::string png = temp_path(".png"), csv = temp_path(".csv");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args);
        const Sim_outcome o = run_cdma_sim("constellation --side xmit " + row.args + " --png " +
                                           png + " --csv " + csv);
        EXPECT_EQ(o.status, 0) << o.err;
        std::istringstream text(file_text(csv));
        std::string line;
        std::getline(text, line);
        EXPECT_EQ(line, "i,q");
        int points = 0;
        std::set<std::string> seen;
        for (; std::getline(text, line); ++points) seen.insert(line);
        EXPECT_EQ(points, 2048);
        EXPECT_EQ(seen, row.lines);
    }
    std::remove(png.c_str());
    std::remove(csv.c_str());
}
