#include "chain_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

TEST(Xmit, CompareCountsEachWrongDirectionOnce)
{
    setup_fresh_chain(1, 3);
    run_once();
    ASSERT_EQ(vocoder.buf[0][0], 0.0f);
    ASSERT_EQ(vocoder.buf[0][1], 1.0f);
    conv_code.buf[1][0] = 1.0f;
    conv_code.buf[1][1] = 0.0f;
    EXPECT_EQ(transmission.compare(1, 0), ", rcve step 1: 2 wrong out of 24 signals");
}

TEST(Xmit, RunWithoutFittingSetupReportsErrorInsteadOfReading)
{
    setup_fresh_chain(6, 36);
    setup_fresh_chain(2, 3);
    apply_start_pars(6, 3); // stages 3..6 still sized for 36 bytes
    EXPECT_TRUE(run_once().error_visible);
    stage_table = {}; // as at program start
    const Headless_screen screen = run_once();
    EXPECT_TRUE(screen.error_visible);
    EXPECT_EQ(screen.result, "");
}

class Run_sizes : public testing::TestWithParam<std::tuple<int, int>> {}; // bytes, nr_stages
INSTANTIATE_TEST_SUITE_P(DataBytesAndStages, Run_sizes,
                         testing::Combine(testing::Values(3, 9, 36), testing::Range(0, 7)));

TEST_P(Run_sizes, DefaultChannelDeliversEveryBit)
{
    const auto [bytes, stages] = GetParam();
    setup_fresh_chain(stages, bytes);
    const Headless_screen screen = run_once();
    EXPECT_EQ(screen.buttons_shown, 1);
    EXPECT_FALSE(screen.error_visible);
    if (stages == 0) {
        EXPECT_EQ(screen.result, ""); // the result line is left alone
        return;
    }
    // The run time in whole seconds depends on the machine's load.
    EXPECT_THAT(screen.result,
                testing::MatchesRegex(", rcve step 1: 0 wrong out of " + std::to_string(8 * bytes) +
                                      " signals; t = [0-9]+ sec"));
    EXPECT_THAT(conv_code.buf[1], testing::ElementsAreArray(vocoder.buf[0]));
}
