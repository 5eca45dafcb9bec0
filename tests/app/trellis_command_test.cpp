// cdma_sim trellis, as a user drives it.

#include "tests/app/run_cdma_sim.h"

#include <gtest/gtest.h>

#include <string>

// The table's contents and the cut of many clicks are tested with the decoder view; here
// its rows must print one a line, label first, with the empty cells left out.
TEST(Trellis_command, PrintsTheDataTableOrRefusesAsRunDoes)
{
    // "seq": 0x73 0x65 0x71, the last two bits forced to 0 for the encoder tail.
    const std::string org = "org 0 1 1 1 0 0 1 1 0 1 1 0 0 1 0 1 0 1 1 1 0 0 0 0\n";
    expect_rows({
        {"trellis --stages 2 --steps 0", 0, "", false, org + "dec\nin0 "},
        // A clean channel decodes the sent bits.
        {"trellis --stages 6 --steps 23", 0, "", false, org + "dec" + org.substr(3) + "in0 "},
        {"trellis --stages 2 --steps 5 --png PNG", 0, "", false, org},
        {"trellis", 2, "trellis needs --steps S", true},
        {"trellis --steps", 2, "--steps: a value is missing", true},
        {"trellis --steps -1", 2, "--steps = -1 is out of range: allowed are 0 to", true},
        {"trellis --steps 1 --png ''", 2, "--png: '' is no file name", true},
        {"trellis --steps 2 --code 1", 2, "unknown option '--code' for 'trellis'", true},
        {"trellis --stages 1 --steps 3", 2, "trellis needs nr_stages of at least 2", true},
        {"trellis --stages 2 --steps 1 --png /no/x.png", 1, "cannot write the picture", true},
    });
}

// Past the 24 bits a further round prints and draws the same, so large counts are cut.
TEST(Trellis_command, ARoundOfClicksMorePrintsAndDrawsTheSame)
{
    const std::string png = temp_path(".png");
    const auto seen = [&png](const std::string& steps) {
        const std::string out = run_cdma_sim("trellis --steps " + steps + " --png " + png).out;
        return out + file_text(png);
    };
    EXPECT_TRUE(seen("47") == seen("71")) << "drawn in full, a round apart";
    EXPECT_TRUE(seen("64") == seen("100000")) << "the larger count cut";
    std::remove(png.c_str());
}
