#include "analog/band_pass.h"

#include <gmock/gmock.h>

#include <cmath>
#include <complex>
#include <vector>

namespace {

constexpr double pi = 3.141592653589793;
constexpr float b4 = 4.0f;     // position 4: width 4 x chip rate at the chip rate
constexpr float w4 = 0.45255f; // 1.2288 MHz * 5.12e-6 * 0.1017253 us / sqrt(2)
// float32 coefficients and recursion, outputs up to 10: allow 1e-5 of the gain
constexpr double tol = 1e-4;

// 10 (1 - notch) at digital frequency theta, the notch (s^2 + W^2) / ((s + BW)^2 + W^2)
// with s = (1 - 1/z) / (1 + 1/z), in double.
std::complex<double> model_gain(double b, double w, double theta)
{
    const std::complex<double> zi = std::polar(1.0, -theta), s = (1.0 - zi) / (1.0 + zi);
    return 10.0 * (1.0 - (s * s + w * w) / ((s + b * w) * (s + b * w) + w * w));
}

// Samples 300 .. 399 of the response to cos(theta n) against the model.
void expect_settled_like_model(float b, float w, double theta)
{
    Band_pass f;
    f.set(b, w);
    const std::complex<double> h = model_gain(b, w, theta);
    for (int n = 0; n < 300; ++n) f.filter(static_cast<float>(std::cos(theta * n)));
    for (int n = 300; n < 400; ++n) {
        const double y = f.filter(static_cast<float>(std::cos(theta * n)));
        EXPECT_NEAR(y, std::real(h * std::polar(1.0, theta * n)), tol) << n;
    }
}

} // namespace

// Constant input settles at the DC gain 10 B^2 / (1 + B^2) = 9.41, alternating input at 0.
TEST(Band_pass, GainIsTenWhereTanHalfThetaIsWAndFollowsClosedFormElsewhere)
{
    EXPECT_NEAR(std::abs(model_gain(b4, w4, 0.0)), 10.0 * 16 / 17, 1e-12);
    EXPECT_NEAR(std::abs(model_gain(b4, w4, pi)), 0.0, 1e-12);
    expect_settled_like_model(b4, w4, 0.0);
    expect_settled_like_model(b4, w4, pi);
    for (const float w : {0.1f, 3.0f}) {
        const double theta = 2 * std::atan(static_cast<double>(w));
        EXPECT_NEAR(std::abs(model_gain(b4, w, theta)), 10.0, 1e-12);
        expect_settled_like_model(b4, w, theta);
    }
    expect_settled_like_model(0.5f, 0.2f, 1.0);
}

TEST(Band_pass, SetAgainRestartsFromClearedState)
{
    const std::vector<float> in = {1.0f, -0.5f, 0.25f, 2.0f, 0.0f, -1.0f};
    Band_pass fresh, reused;
    fresh.set(b4, w4);
    reused.set(b4, w4);
    for (int n = 0; n < 50; ++n) reused.filter(3.0f);
    reused.set(b4, w4);
    std::vector<float> want, got;
    for (const float x : in) {
        want.push_back(fresh.filter(x));
        got.push_back(reused.filter(x));
    }
    EXPECT_THAT(got, testing::ElementsAreArray(want));
}
