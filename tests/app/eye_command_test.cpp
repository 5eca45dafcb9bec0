// cdma_sim eye, as a user drives it.

#include "tests/app/run_cdma_sim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;
using testing::MatchesRegex;

TEST(Eye_command, DrawsTheReceivedEyeByDefaultAndPrintsCaptionAndRange)
{
    const std::string png = testing::TempDir() + "cli_eye.png";
    const Sim_outcome o = run_cdma_sim("eye --png " + png);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_THAT(o.out, MatchesRegex("eye pattern \\(rcve, I - running plot\\)\n"
                                    "y: -[0-9]+\\.[0-9]{3} to [0-9]+\\.[0-9]{3}\n"));
    EXPECT_EQ(png_file_size(png), std::make_pair(176u, 215u));
    std::remove(png.c_str());
}

TEST(Eye_command, OptionsChooseSideBranchModeAndSize)
{
    const std::string png = testing::TempDir() + "cli_eye_options.png";
    const Sim_outcome o = run_cdma_sim("eye --bytes 9 --side xmit --branch Q --sum --width 300 "
                                       "--height 100 --png " +
                                       png);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_THAT(o.out, MatchesRegex("eye pattern \\(xmit, Q - summing plot\\)\n"
                                    "y: -1\\.[0-9]{3} to 1\\.[0-9]{3}\n"));
    EXPECT_EQ(png_file_size(png), std::make_pair(300u, 100u));
    std::remove(png.c_str());
}

TEST(Eye_command, RefusesWhatItCannotDraw)
{
    for (const std::string args : {"eye", "eye --side up --png x.png", "eye --branch X --png x.png",
                                   "eye --width 1 --png x.png", "eye --height 4001 --png x.png",
                                   "eye --code 1 --png x.png", "eye --stages 5 --png x.png",
                                   "eye --set iq_branches=1 --branch Q --png x.png", "eye --png"}) {
        const Sim_outcome o = run_cdma_sim(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_THAT(o.err, testing::StartsWith("cdma_sim: ")) << args;
        EXPECT_EQ(o.out, "") << args;
    }
    EXPECT_EQ(run_cdma_sim("eye --stages 5 --png x.png").err,
              "cdma_sim: eye draws analog signals: it needs nr_stages 6 (it is 5)\n");
    const Sim_outcome o = run_cdma_sim("eye --png /nonexistent-dir/x.png");
    EXPECT_EQ(o.status, 1);
    EXPECT_THAT(o.err, HasSubstr("cannot write the picture"));
}
