#include "chain_fixture.h"

#include "analog/analog_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using testing::ElementsAreArray;

TEST(Xmit, CompareCountsEachWrongDirectionOnceAndNoUndecidedValue)
{
    setup_fresh_chain(1, 3);
    run_once();
    ASSERT_EQ(vocoder.buf[0][0], 0.0f);
    ASSERT_EQ(vocoder.buf[0][1], 1.0f);
    conv_code.buf[1][0] = 1.0f;
    conv_code.buf[1][1] = 0.0f;
    conv_code.buf[1][2] = 0.5f; // on neither side
    EXPECT_EQ(transmission.compare(1, 0), ", rcve step 1: 2 wrong out of 24 signals");
}

TEST(Xmit, RunWithoutFittingSetupReportsErrorInsteadOfReading)
{
    setup_fresh_chain(6, 36);
    setup_fresh_chain(2, 3);
    apply_start_pars(6, 3); // stages 3..6 still sized for 36 bytes
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
    // The text's first bytes, the last two bits of the last one taken by the encoder tail.
    std::string sent = std::string("sequence.of.test.data.to.be.transmitted").substr(0, bytes);
    sent.back() = static_cast<char>(sent.back() & ~3);
    EXPECT_THAT(vocoder.buf[1], ElementsAreArray(std::vector<float>(sent.begin(), sent.end())));
    if (stages == 0) {
        EXPECT_EQ(screen.result, ""); // the result line is left alone
        return;
    }
    // The run time in whole seconds depends on the machine's load.
    EXPECT_THAT(screen.result,
                testing::MatchesRegex(", rcve step 1: 0 wrong out of " + std::to_string(8 * bytes) +
                                      " signals; t = [0-9]+ sec"));
    EXPECT_THAT(conv_code.buf[1], ElementsAreArray(vocoder.buf[0]));
}

namespace {

// Small blocks, so that a 3-byte run reports many times; put back afterwards.
class Xmit_progress : public testing::Test {
protected:
    size_t saved = Analog_mod::block_samples;
    void SetUp() override
    {
        Analog_mod::block_samples = 64;
        setup_fresh_chain(6, 3);
    }
    void TearDown() override { Analog_mod::block_samples = saved; }
};

} // namespace

// A stopped run ends at the next block and counts as not run; the run after it equals a
// run without it. A block of 64 samples is 8 of the 2048 chips, a share of 1/256.
TEST_F(Xmit_progress, StoppedRunEndsAtTheNextBlockAndLeavesNoTrace)
{
    run_once();
    const std::vector<std::uint32_t> plain = chain_bits();
    const std::string plain_count = transmission.compare(1, 0);

    setup_fresh_chain(6, 3);
    Stop_past_share third(2.5 / 256);
    EXPECT_FALSE(compute_run(third).finished);
    EXPECT_FALSE(transmission.complete);
    EXPECT_EQ(transmission.compare(1, 0), "") << "no error count for a run that did not end";
    run_once();
    EXPECT_THAT(chain_bits(), ElementsAreArray(plain));
    EXPECT_EQ(transmission.compare(1, 0), plain_count);
}
