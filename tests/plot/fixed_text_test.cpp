#include "plot/fixed_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace {

struct Fixed_case {
    double v;
    int precision;
    int digits;
    std::string want;
};

void PrintTo(const Fixed_case& c, std::ostream* os)
{
    *os << c.v << " at " << c.precision << "/" << c.digits << " -> \"" << c.want << "\"";
}

class Fixed_texts : public testing::TestWithParam<Fixed_case> {};

TEST_P(Fixed_texts, MatchesHandWorkedText)
{
    const Fixed_case& c = GetParam();
    EXPECT_EQ(fixed_text(c.v, c.precision, c.digits), c.want);
}

// The parameter menu's defaults, and values that exercise one rounding rule each.
INSTANTIATE_TEST_SUITE_P(
    MenuValues, Fixed_texts,
    testing::Values(Fixed_case{20.0, 3, 0, "20"},
                    Fixed_case{static_cast<double>(0.2f), 5, 2, "0.20"},
                    Fixed_case{80.0, 7, 2, "80.00"}, Fixed_case{81.2288, 6, 2, "81.23"},
                    Fixed_case{981.2288, 6, 2, "981.23"}, Fixed_case{1.2288, 6, 2, "1.23"},
                    Fixed_case{4.9152, 6, 2, "4.92"}, Fixed_case{0.0, 4, 1, "0.0"},
                    Fixed_case{0.0, 4, 0, "0"}, Fixed_case{-12.0, 4, 0, "-12"}));

// Halves are decided on the decimal digits and go away from zero; 0.125 and 2.5 are
// exact binary fractions, so a binary round-half-even would give 0.12 and 2.
INSTANTIATE_TEST_SUITE_P(
    Rounding, Fixed_texts,
    testing::Values(Fixed_case{0.125, 5, 2, "0.13"}, Fixed_case{2.5, 3, 0, "3"},
                    Fixed_case{-2.5, 3, 0, "-3"}, Fixed_case{0.006, 5, 2, "0.01"},
                    Fixed_case{0.004, 5, 2, "0.00"}, Fixed_case{-0.004, 5, 2, "0.00"},
                    Fixed_case{9.996, 5, 2, "10.00"}, Fixed_case{123456.789, 7, 2, "123456.80"}));

// More integer digits than the precision: exponent notation with `precision` digits.
INSTANTIATE_TEST_SUITE_P(
    Exponent, Fixed_texts,
    testing::Values(Fixed_case{1234.0, 3, 0, "1.23E3"}, Fixed_case{999.6, 3, 0, "1E3"},
                    Fixed_case{999.4, 3, 0, "999"}, Fixed_case{123456.0, 3, 2, "1.23E05"},
                    Fixed_case{-1.0e7, 6, 2, "-1E07"}, Fixed_case{1.0e7, 7, 2, "1E07"},
                    Fixed_case{1.0e7, 8, 2, "10000000.00"}));

TEST(Fixed_text, NonFiniteValuesAreNamed)
{
    EXPECT_EQ(fixed_text(std::numeric_limits<double>::quiet_NaN(), 7, 2), "NAN");
    EXPECT_EQ(fixed_text(std::numeric_limits<double>::infinity(), 7, 2), "INF");
    EXPECT_EQ(fixed_text(-std::numeric_limits<double>::infinity(), 7, 2), "-INF");
}

} // namespace
