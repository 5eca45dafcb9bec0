#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <locale.h>
#include <random>
#include <string>

namespace {

// printf's text of v in the "C" locale, whatever locale the test runs in.
std::string c_printf(const char* format, int precision, double v)
{
    const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    const locale_t before = uselocale(c);
    char text[400];
    std::snprintf(text, sizeof text, format, precision, v);
    uselocale(before);
    freelocale(c);
    return text;
}

} // namespace

// An independent model: the C library itself, held to the "C" locale. Doubles of every
// size, each with a random precision, in each of the three printf forms.
TEST(Number_text, EqualsPrintfInTheCLocaleForRandomDoubles)
{
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int> precision(0, 17);
    std::uniform_int_distribution<int> power(-40, 40);
    for (int k = 0; k < 20000; ++k) {
        // Odd k: any bit pattern (every exponent, NaNs too); even k: moderate sizes.
        double v = std::bit_cast<double>(random());
        if (k % 2 == 0) v = std::ldexp(static_cast<double>(random() >> 11), power(random) - 53);
        const int p = precision(random);
        EXPECT_EQ(significant_text(v, p), c_printf("%.*g", p, v)) << v << " p " << p;
        EXPECT_EQ(scientific_text(v, p), c_printf("%.*e", p, v)) << v << " p " << p;
        EXPECT_EQ(decimals_text(v, p), c_printf("%.*f", p, v)) << v << " p " << p;
    }
}
