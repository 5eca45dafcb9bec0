#include "plot/fixed_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

struct Fixed_case {
    double v;
    int precision;
    int digits;
    std::string want;
};

// The parameter menu's defaults and values that exercise one rounding rule each. Halves
// are decided on the decimal digits and go away from zero; 0.125 and 2.5 are exact binary
// fractions, so a binary round-half-even would give 0.12 and 2. More integer digits than
// the precision: exponent notation with `precision` digits.
TEST(Fixed_text, MatchesHandWorkedText)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::vector<Fixed_case> cases = {{20.0, 3, 0, "20"},
                                           {static_cast<double>(0.2f), 5, 2, "0.20"},
                                           {81.2288, 6, 2, "81.23"},
                                           {0.0, 4, 1, "0.0"},
                                           {0.125, 5, 2, "0.13"},
                                           {2.5, 3, 0, "3"},
                                           {-0.004, 5, 2, "0.00"},
                                           {9.996, 5, 2, "10.00"},
                                           {1234.0, 3, 0, "1.23E3"},
                                           {999.6, 3, 0, "1E3"},
                                           {123456.0, 3, 2, "1.23E05"},
                                           {-1.0e7, 6, 2, "-1E07"},
                                           {1.0e7, 8, 2, "10000000.00"},
                                           {std::numeric_limits<double>::quiet_NaN(), 7, 2, "NAN"},
                                           {inf, 7, 2, "INF"}};
    for (const Fixed_case& c : cases)
        EXPECT_EQ(fixed_text(c.v, c.precision, c.digits), c.want)
            << c.v << " at " << c.precision << "/" << c.digits;
}

} // namespace
