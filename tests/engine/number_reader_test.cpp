#include "engine/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string_view>

namespace {

using R = Number_refusal;

struct Typed_case {
    std::string_view text;
    std::optional<double> number; // nothing: refused with `as_number`
    R as_number;
    std::optional<int> whole; // nothing: refused with `as_whole`
    R as_whole;
};

constexpr R unused = R::not_a_number; // where a value is expected
constexpr double huge = 1.7976931348623157e308;

// One row per text, read once as a number and once as a whole number.
constexpr Typed_case cases[] = {
    {"4", 4.0, unused, 4, unused},
    {"+4", 4.0, unused, 4, unused},
    {"-4", -4.0, unused, -4, unused},
    {"007", 7.0, unused, 7, unused},
    {" 4 ", 4.0, unused, 4, unused},
    {"\t4\r", 4.0, unused, 4, unused},
    {"5.", 5.0, unused, {}, R::not_a_whole_number},
    {".5", 0.5, unused, {}, R::not_a_whole_number},
    {"-.5", -0.5, unused, {}, R::not_a_whole_number},
    {"+2.25", 2.25, unused, {}, R::not_a_whole_number},
    {"1e3", 1000.0, unused, {}, R::not_a_whole_number},
    {"1E+3", 1000.0, unused, {}, R::not_a_whole_number},
    {"2.5e-1", 0.25, unused, {}, R::not_a_whole_number},
    {".5e1", 5.0, unused, {}, R::not_a_whole_number},
    {"1.7976931348623157e308", huge, unused, {}, R::not_a_whole_number},
    {"0e999", 0.0, unused, {}, R::not_a_whole_number},
    {"1e999", {}, R::outside_range, {}, R::not_a_whole_number},
    {"-1e999", {}, R::outside_range, {}, R::not_a_whole_number},
    {"1e-999", {}, R::outside_range, {}, R::not_a_whole_number},
    {"2147483647", 2147483647.0, unused, 2147483647, unused},
    {"-2147483648", -2147483648.0, unused, -2147483647 - 1, unused},
    {"2147483648", 2147483648.0, unused, {}, R::outside_range},
    {"-99999999999", -99999999999.0, unused, {}, R::outside_range},
    {"", {}, R::not_a_number, {}, R::not_a_whole_number},
    {" ", {}, R::not_a_number, {}, R::not_a_whole_number},
    {".", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"+", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"e5", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"5e", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"5e+", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"+-5", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"--5", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"0x4", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"inf", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"-inf", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"nan", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"NAN", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"4 x", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"4 5", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"1,5", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"1.5.2", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"\n4", {}, R::not_a_number, {}, R::not_a_whole_number},
    {"\xD9\xA3", {}, R::not_a_number, {}, R::not_a_whole_number},     // Arabic-Indic three
    {"\xEF\xBC\x94", {}, R::not_a_number, {}, R::not_a_whole_number}, // fullwidth four
};

} // namespace

TEST(Number_reader, EachTextGivesItsNumberOrItsRefusal)
{
    for (const Typed_case& c : cases) {
        const Number_read<double> n = read_number(c.text);
        EXPECT_EQ(n.ok(), c.number.has_value()) << "'" << c.text << "'";
        if (c.number)
            EXPECT_EQ(n.value, *c.number) << "'" << c.text << "'";
        else
            EXPECT_EQ(n.refusal, c.as_number) << "'" << c.text << "'";

        const Number_read<int> w = read_whole(c.text);
        EXPECT_EQ(w.ok(), c.whole.has_value()) << "'" << c.text << "' as whole";
        if (c.whole)
            EXPECT_EQ(w.value, *c.whole) << "'" << c.text << "' as whole";
        else
            EXPECT_EQ(w.refusal, c.as_whole) << "'" << c.text << "' as whole";
    }
}

TEST(Number_reader, DecimalsRoundToTheNearestDoubleAsTheCompilerDoes)
{
    EXPECT_EQ(read_number("0.1").value, 0.1);
    EXPECT_EQ(read_number("70.1234567").value, 70.1234567);
    EXPECT_EQ(read_number("4.9e-324").value, 4.9e-324);
    EXPECT_TRUE(std::signbit(read_number("-0").value));
}
