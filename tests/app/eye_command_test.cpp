// cdma_sim eye, as a user drives it.

#include "tests/app/run_cdma_sim.h"

#include <gtest/gtest.h>

TEST(Eye_command, DrawsAsOptionedOrRefusesWithTheReason)
{
    expect_rows({
        {"eye --png PNG", 0, "", false, "eye pattern (rcve, I - running plot)\ny: -", 176, 215},
        {"eye --bytes 9 --side xmit --branch Q --sum --width 300 --height 100 --png PNG", 0, "",
         false, "eye pattern (xmit, Q - summing plot)\ny: -1.", 300, 100},
        {"eye", 2, "eye needs --png FILE", true},
        {"eye --png", 2, "--png: a value is missing", true},
        {"eye --side up --png PNG", 2, "--side: 'up' is neither rcve nor xmit", true},
        {"eye --width 1 --png PNG", 2, "--width = 1 is out of range: allowed are 2 to 4000", true},
        {"eye --code 1 --png PNG", 2, "unknown option '--code' for 'eye'", true},
        {"eye --stages 5 --png PNG", 2, "eye draws analog signals: it needs nr_stages 6", true},
        // The --set value reaches the chain before the branch is chosen.
        {"eye --set iq_branches=1 --branch Q --png PNG", 2, "--branch Q needs iq_branches 2", true},
        {"eye --png /no/x.png", 1, "cannot write the picture", true},
    });
}
