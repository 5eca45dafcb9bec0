#include "analog/fft.h"

#include <gmock/gmock.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

using testing::FloatNear;
using testing::Pointwise;

namespace {

constexpr double two_pi = 6.283185307179586;
// float32 N-point transform of values up to 1: allow 1e-5 of the largest possible entry N
float tol(int n) { return 1e-5f * static_cast<float>(n); }

// Naive DFT with the kernel exp(+2 pi i j k / N), in double, in the packed layout.
std::vector<float> packed_dft(const std::vector<float>& x)
{
    const size_t n = x.size();
    std::vector<float> out(n);
    for (size_t k = 0; k <= n / 2; ++k) {
        double re = 0, im = 0;
        for (size_t j = 0; j < n; ++j) {
            const double a = two_pi * static_cast<double>(j * k % n) / static_cast<double>(n);
            re += static_cast<double>(x[j]) * std::cos(a);
            im += static_cast<double>(x[j]) * std::sin(a);
        }
        out[k == n / 2 ? 1 : 2 * k] = static_cast<float>(re);
        if (k > 0 && k < n / 2) out[2 * k + 1] = static_cast<float>(im);
    }
    return out;
}

std::vector<float> samples(int n, const std::function<double(int)>& f)
{
    std::vector<float> x(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j) x[static_cast<size_t>(j)] = static_cast<float>(f(j));
    return x;
}

} // namespace

TEST(FFT, MatchesNaiveDftAndInverseUndoesItUpToHalfN)
{
    for (const int n : {2, 8, 64, 512}) {
        std::mt19937 gen(static_cast<unsigned>(n));
        std::uniform_real_distribution<double> uniform(-1.0, 1.0);
        std::vector<float> x = samples(n, [&](int) { return uniform(gen); }), scaled;
        for (const float v : x) scaled.push_back(v * static_cast<float>(n / 2));
        const std::vector<float> want = packed_dft(x);
        FFT::real_fft(x.data(), n / 2, 1);
        EXPECT_THAT(x, Pointwise(FloatNear(tol(n)), want)) << n;
        FFT::real_fft(x.data(), n / 2, -1);
        EXPECT_THAT(x, Pointwise(FloatNear(tol(n)), scaled)) << n;
    }
}

TEST(FFT, WindowWeighsEndsByTwoOver513AndMiddleBy512Over513)
{
    FFT f(512);
    std::fill(f.data.begin(), f.data.end(), 1.0f);
    f.window(512);
    EXPECT_NEAR(f.data[0], 2.0 / 513, 1e-7); // float step 2/513: a few float ulps
    EXPECT_NEAR(f.data[255], 512.0 / 513, 1e-6);
    EXPECT_NEAR(f.data[256], 512.0 / 513, 1e-6);
}

TEST(FFT, SpectrumRefusesLengthsThatAreNoPowerOfTwoOrExceedTheBuffer)
{
    FFT f(512);
    std::fill(f.data.begin(), f.data.end(), 1.0f);
    for (const int n : {-4, 0, 96, 1024}) EXPECT_FALSE(f.spectrum(n)) << n;
    EXPECT_THAT(f.data, testing::Each(1.0f));
    EXPECT_TRUE(f.spectrum(256));
    EXPECT_NEAR(f.data[0], 33024.0 / 257, 1e-3); // triangle sum (256 * 257 - 2 * 128^2) / 257
}
