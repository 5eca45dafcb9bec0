#include "analog/band_pass.h"

#include <climits>

void Band_pass::set(float b, float w)
{
    rel_width = b;
    w_norm = w;
    n_samples = 0;
}

float Band_pass::filter(float x)
{
    if (n_samples == 0) {
        x1 = x2 = y1 = y2 = 0.0f;
        const float w2 = w_norm * w_norm;
        const float bw = rel_width * w_norm;
        const float d = 1.0f + bw;
        const float g = 1.0f / (d * d + w2);
        b0 = (1.0f + w2) * g;
        b1 = (1.0f - w2) * -2.0f * g;
        b2 = b0;
        a1 = (1.0f - bw * bw - w2) * 2.0f * g;
        a2 = -((1.0f - bw) * (1.0f - bw) + w2) * g;
    }
    if (n_samples < INT_MAX) ++n_samples;
    // Each sum is formed in double (the products of two floats are exact there) and
    // rounded to float once.
    const auto d = [](float v) { return static_cast<double>(v); };
    const auto acc = static_cast<float>(d(x) * d(b0) + d(x1) * d(b1) + d(x2) * d(b2));
    const auto y = static_cast<float>(d(y1) * d(a1) + d(y2) * d(a2) + d(acc));
    x2 = x1;
    y2 = y1;
    x1 = x;
    y1 = y;
    return (x - y) * 10.0f;
}
