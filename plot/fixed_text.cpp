#include "plot/fixed_text.h"
#include <cstdio>
std::string fixed_text(double v, int, int digits)
{
    char b[64];
    std::snprintf(b, sizeof b, "%.*f", digits, v);
    return b;
}
