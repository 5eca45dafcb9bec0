// cdma_sim bandpass, as a user drives it.

#include "tests/app/run_cdma_sim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;

TEST(Bandpass_command, DrawsTheFourPlotsAndPrintsTheirCaptions)
{
    const std::string png = testing::TempDir() + "cli_bandpass.png";
    const Sim_outcome o = run_cdma_sim("bandpass --png " + png);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out,
              "scaled y(t), (f = 5.000 - 15.000 MHz); range = 8.533 microsecs, amplitude: 2.000\n"
              "scaled log of FFT of y(t); frequency range: 30.000 MHz\n"
              "scaled filtered signal z(t), amplitude: 6.457\n"
              "scaled log of FFT of z(t)\n");
    // Two rows of two 512 x 105 boxes, 7 pixels apart.
    EXPECT_EQ(png_file_size(png), std::make_pair(1024u, 217u));
    std::remove(png.c_str());
}

TEST(Bandpass_command, CaptionsFollowTheCorrectedValues)
{
    const std::string png = testing::TempDir() + "cli_bandpass_corrected.png";
    const Sim_outcome o = run_cdma_sim("bandpass --type 2 --low -4 --high 12 --fft 60 --width 50 "
                                       "--png " +
                                       png);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_THAT(o.out, testing::StartsWith("scaled y(t), (f = 0.000 - 12.000 MHz); range = "
                                           "4.267 microsecs, amplitude: "));
    EXPECT_THAT(o.out, HasSubstr("frequency range: 60.000 MHz\n"));
    std::remove(png.c_str());
}

TEST(Bandpass_command, RefusalsNameTheOptionAndWhatItMustBe)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--center 0 --png x.png", "--center = 0 is out of range: allowed are 1e-06 to 1e+07 MHz"},
        {"--low 1e7 --png x.png",
         "--low = 1e7 is above the highest frequency: allowed are -10000000 to 15.00 MHz"},
        {"--png ''", "--png: '' is no file name"},
        {"--width abc --png x.png",
         "--width: 'abc' is not a number; allowed are 1e-06 to 1e+07 MHz"},
        {"--center 1e-300 --width 1e-300 --png x.png",
         "--center = 1e-300 is out of range: allowed are 1e-06 to 1e+07 MHz"},
        {"--fft 1e-39 --png x.png",
         "--fft = 1e-39 is out of range: allowed are 1e-06 to 1e+07 MHz"},
        {"--high 2 --png x.png",
         "--high = 2 is below the lowest frequency: allowed are 5.00 to 10000000 MHz"},
        {"--type 1.5 --png x.png",
         "--type: '1.5' is not a whole number; allowed are whole numbers (1: chirp, 2: tone comb)"},
        {"--center 10", "bandpass needs --png FILE"},
        {"--png", "--png: a value is missing"},
        {"--stages 6 --png x.png",
         "unknown option '--stages' for 'bandpass' (see cdma_sim --help)"},
    };
    for (const auto& [args, message] : cases) {
        const Sim_outcome o = run_cdma_sim("bandpass " + args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_EQ(o.err, "cdma_sim: " + message + "\n");
        EXPECT_EQ(o.out, "") << args;
    }
    const Sim_outcome o = run_cdma_sim("bandpass --png /nonexistent-dir/x.png");
    EXPECT_EQ(o.status, 1);
    EXPECT_THAT(o.err, HasSubstr("cannot write the picture"));
}
