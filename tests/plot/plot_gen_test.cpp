#include "plot/plot_gen.h"

#include "engine/pn_spread.h"
#include "tests/fakes/record_canvas.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <tuple>

TEST(Plot_gen, DrawsEveryCellWithItsBitAndAnXorPerLowerTap)
{
    Record_canvas a(990, 73), b(990, 73);
    Plot_gen g;
    g.init({&a, &b}, 15, PN_spread::i_mask);
    g.draw(1, 12, 0x5);
    EXPECT_TRUE(a.calls.empty());
    // 15 cells with digits, highest bit first: 0 ... 0 1 0 1.
    std::vector<std::string> digits;
    for (const Canvas_call& c : b.calls)
        if (c.op == "text_out" && (c.text == "0" || c.text == "1")) digits.push_back(c.text);
    EXPECT_EQ(digits, std::vector<std::string>({"0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                                                "0", "0", "1", "0", "1"}));
    // Taps 0x42E2 below the top bit: bits 1, 5, 6, 7 and 9; the tap on bit 14 is never shown.
    int xors = 0;
    for (const std::string& t : b.texts()) xors += t == "^" ? 1 : 0;
    EXPECT_EQ(xors, 5);
    EXPECT_EQ(b.texts().back(), "12. state");
}

// The label stands right of every line of the register, on row h - 20, inside the box.
TEST(Plot_gen, LabelCoversNoPartOfTheRegister)
{
    for (const auto& [nbits, mask, step] :
         {std::tuple{15, PN_spread::i_mask, 32767.0}, {42, PN_spread::u_mask, 4398046511103.0}}) {
        Record_canvas box(990, 73);
        Plot_gen g;
        g.init({&box}, nbits, mask);
        g.draw(0, step, 0x5);
        const Canvas_call& label = box.calls.back();
        int right = 0; // of every line, box and digit
        for (const Canvas_call& c : box.calls) {
            if (c.op == "line_to" || c.op == "move_to") right = std::max(right, c.args[0]);
            if (c.op == "rectangle" || c.op == "fill_rect") right = std::max(right, c.args[2]);
            if (c.op == "text_out" && &c != &label)
                right = std::max(right, c.args[0] + box.text_width(c.text));
        }
        EXPECT_GT(label.args[0], right) << nbits;
        EXPECT_EQ(label.args[1], 53) << nbits;
        EXPECT_LE(label.args[0] + box.text_width(label.text), 990) << nbits;
    }
}
