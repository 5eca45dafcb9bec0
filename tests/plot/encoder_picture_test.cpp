#include "plot/encoder_picture.h"

#include "tests/fakes/record_canvas.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <tuple>
#include <vector>

using testing::Contains;
using testing::HasSubstr;

namespace {

// 24 bits beginning 1 1 0 1; the rest 0.
class Encoder_clicks : public testing::Test {
protected:
    std::vector<int> bits = std::vector<int>(24, 0);
    Encoder_picture enc;
    Record_canvas box{713, 297};

    void SetUp() override
    {
        bits[0] = 1;
        bits[1] = 1;
        bits[3] = 1;
        enc.data_bit = [this](int i) {
            return i >= 0 && i < static_cast<int>(bits.size()) ? bits[static_cast<size_t>(i)] : 0;
        };
        enc.paint(box);
    }

    std::vector<std::string> click()
    {
        box.calls.clear();
        enc.proceed(box);
        return box.texts();
    }
};

} // namespace

TEST_F(Encoder_clicks, TheBitLineShowsTakenBitsAsBlanksAndTheOutputLineGrowsAtTheFront)
{
    for (int k = 0; k < 3; ++k) click();
    const std::vector<std::string> t = click(); // bit 1 loaded
    // Bits 23 .. 2 as digits, then the load of bit 1, then two blanks for bit 0.
    EXPECT_EQ(t[0], std::string(20, '0') + "1" + "0" + "   >-loaded-> 1" + "  ");
    click();
    // Bit 1 = 1 after bit 0 = 1: outputs 1 + 1 + 0 = 0 and 1 + 0 = 1.
    EXPECT_EQ(enc.out_line, "0111");
    for (int k = 0; k < 3; ++k) click();
    // Bit 2 = 0 after 1, 1: 0 + 1 + 1 = 0 and 0 + 1 = 1.
    EXPECT_EQ(enc.out_line, "010111");
}

TEST_F(Encoder_clicks, AfterBitTwentyFourTheDemonstrationRestarts)
{
    // The opening drew phase 0 of bit 0; each bit then takes load and outputs, and the
    // shift belongs to the next bit.
    for (int k = 0; k < 2 + 3 * 24; ++k) click();
    EXPECT_EQ(enc.step, 25);
    EXPECT_EQ(enc.reg0, 0); // bit 24 lies past the block: fed 0
    click();                // step 25 becomes 0 in phase 0: a reset
    EXPECT_EQ(enc.out_line, "");
    EXPECT_EQ(enc.reg0 + enc.reg1 + enc.reg2, 0);
    EXPECT_EQ(enc.step, 0);
    EXPECT_EQ(enc.phase, 1);
}
