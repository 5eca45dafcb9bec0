// cdma_sim trellis as a user drives it: the real binary, its output and exit status.

#include "tests/app/run_cdma_sim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

using Printed = Sim_outcome;

Printed trellis(const std::string& args) { return run_cdma_sim("trellis " + args); }

std::vector<std::string> rows(const std::string& text)
{
    std::vector<std::string> v;
    std::istringstream s(text);
    for (std::string l; std::getline(s, l);) v.push_back(l);
    return v;
}

// The number of values after a row's label.
size_t values_in(const std::string& row, const std::string& label)
{
    std::istringstream s(row.substr(label.size()));
    size_t n = 0;
    for (std::string w; s >> w;) ++n;
    return n;
}

} // namespace

TEST(Trellis_command, NoClicksPrintTheFixedPartOfTheTable)
{
    const Printed r = trellis("--stages 2 --steps 0");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> v = rows(r.out);
    ASSERT_EQ(v.size(), 8u);
    // "seq": 0x73 0x65 0x71, the last two bits forced to 0 for the encoder tail.
    EXPECT_EQ(v[0], "org 0 1 1 1 0 0 1 1 0 1 1 0 0 1 0 1 0 1 1 1 0 0 0 0");
    EXPECT_EQ(v[1], "dec");
    EXPECT_EQ(values_in(v[2], "in0"), 24u);
    EXPECT_EQ(values_in(v[3], "in1"), 24u);
    EXPECT_THAT(std::vector<std::string>(v.begin() + 4, v.end()),
                ElementsAre("dsq 0", "dsq 1", "dsq 2", "dsq 3"));
}

TEST(Trellis_command, ClicksFillTheDecodedBitsAndTheDeviations)
{
    const Printed one = trellis("--stages 2 --steps 1");
    ASSERT_EQ(one.status, 0) << one.err;
    std::vector<std::string> v = rows(one.out);
    ASSERT_EQ(v.size(), 8u);
    EXPECT_EQ(values_in(v[1], "dec"), 2u);
    EXPECT_EQ(values_in(v[4], "dsq 0"), 2u);
    EXPECT_EQ(values_in(v[6], "dsq 2"), 1u); // bit 0 leaves states 2 and 3 empty

    const Printed all = trellis("--stages 6 --steps 23");
    ASSERT_EQ(all.status, 0) << all.err;
    v = rows(all.out);
    EXPECT_EQ(v[1], "dec" + v[0].substr(3)); // a clean channel decodes the sent bits
    EXPECT_EQ(values_in(v[4], "dsq 0"), 24u);
    EXPECT_EQ(values_in(v[5], "dsq 1"), 23u);
}

TEST(Trellis_command, WritesTheThreeBoxesAsOnePicture)
{
    const std::string png = testing::TempDir() + "trellis.png";
    const Printed r = trellis("--stages 2 --steps 5 --png " + png);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::ifstream f(png, std::ios::binary);
    std::string head(24, '\0');
    f.read(head.data(), 24);
    EXPECT_THAT(head, StartsWith("\x89PNG"));
    std::remove(png.c_str());
}

// Once the clicks have gone round the 24 bits, a further round draws the same: counts a
// round or two apart print and draw the same, whether drawn in full (below 72) or cut
// short (from 72 on, as any large count).
TEST(Trellis_command, RoundsOfClicksPrintAndDrawTheSame)
{
    const std::string png = testing::TempDir() + "trellis_round.png";
    const auto printed_and_drawn = [&png](int steps) {
        const Printed r = trellis("--steps " + std::to_string(steps) + " --png " + png);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out + file_text(png);
    };
    const std::vector<std::vector<int>> same = {
        {24, 48, 72}, {35, 59, 83}, {47, 71, 95}, {64, 100000}};
    for (const std::vector<int>& counts : same) {
        const std::string first = printed_and_drawn(counts[0]);
        for (size_t k = 1; k < counts.size(); ++k)
            EXPECT_TRUE(printed_and_drawn(counts[k]) == first) << counts[0] << ", " << counts[k];
    }
    std::remove(png.c_str());
}

TEST(Trellis_command, RefusesAsRunDoes)
{
    for (const std::string args : {"", "--stages 1 --steps 3", "--steps -1", "--steps x",
                                   "--steps 100001", "--steps 2 --code 1", "--steps"}) {
        const Printed r = trellis(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_THAT(r.err, StartsWith("cdma_sim: ")) << args;
        EXPECT_EQ(r.out, "") << args;
    }
    EXPECT_THAT(trellis("--stages 1 --steps 3").err,
                HasSubstr("trellis needs nr_stages of at least 2 (it is 1)"));
    const Printed r = trellis("--stages 2 --steps 1 --png /nonexistent-dir/x.png");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("cannot write the picture"));
}
