#include "engine/number_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace {

using R = Number_refusal;
using N = Number_read<double>;
using W = Number_read<int>;

N number(double v) { return {v, std::nullopt}; }
W whole(int v) { return {v, std::nullopt}; }

const N not_number{0.0, R::not_a_number};
const W not_whole{0, R::not_a_whole_number};

struct Typed_case {
    std::string_view text;
    N number; // read as a number
    W whole;  // read as a whole number
};

// Decimal values are those the compiler reads from the same text.
const Typed_case cases[] = {
    {"+4", number(4.0), whole(4)},
    {"\t-4\r", number(-4.0), whole(-4)},
    {"5.", number(5.0), not_whole},
    {".5", number(0.5), not_whole},
    {"1E+3", number(1000.0), not_whole},
    {"70.1234567", number(70.1234567), not_whole},
    {"1.7976931348623157e308", number(1.7976931348623157e308), not_whole},
    {"0e999", number(0.0), not_whole},
    {"1e999", {0.0, R::outside_range}, not_whole},
    {"1e-999", {0.0, R::outside_range}, not_whole},
    {"-2147483648", number(-2147483648.0), whole(-2147483647 - 1)},
    {"2147483648", number(2147483648.0), {0, R::outside_range}},
    {"", not_number, not_whole},
    {".", not_number, not_whole},
    {"5e", not_number, not_whole},
    {"0x4", not_number, not_whole},
    {"inf", not_number, not_whole},
    {"4 x", not_number, not_whole},
    {"1,5", not_number, not_whole},
    {"\n4", not_number, not_whole},
    {"\xD9\xA3", not_number, not_whole}, // an Arabic-Indic three
};

} // namespace

TEST(Number_reader, EachTextGivesItsNumberOrItsRefusal)
{
    for (const Typed_case& c : cases) {
        const N n = read_number(c.text);
        EXPECT_EQ(n.refusal, c.number.refusal) << "'" << c.text << "'";
        EXPECT_EQ(n.value, c.number.value) << "'" << c.text << "'";
        const W w = read_whole(c.text);
        EXPECT_EQ(w.refusal, c.whole.refusal) << "'" << c.text << "' as whole";
        EXPECT_EQ(w.value, c.whole.value) << "'" << c.text << "' as whole";
    }
}
