#include "analog/fft.h"

#include <cmath>
#include <new>
#include <utility>

namespace {
constexpr double pi = 3.141592653589793;
constexpr double two_pi_short = 6.28318530717959;

bool power_of_two(int n) { return n > 0 && (n & (n - 1)) == 0; }
} // namespace

FFT::FFT(int n) : size(n)
{
    try {
        data.assign(static_cast<size_t>(n > 0 ? n : 0), 0.0f);
        valid = true;
    } catch (const std::bad_alloc&) {
        valid = false;
        message = " !fft - no space! ";
    }
}

void FFT::window(int n)
{
    if (!valid || n <= 0 || n > size) return;
    const float s = 2.0f / static_cast<float>(n + 1);
    for (int i = 0; i < n; ++i) {
        const double offset = (i - (n - 1) * 0.5) * static_cast<double>(s);
        auto& v = data[static_cast<size_t>(i)];
        v = static_cast<float>((1 - std::fabs(offset)) * static_cast<double>(v));
    }
}

// The textbook in-place routine works on 1-based indices; d(i) is element i of that view.
void FFT::complex_fft(float* x, int nn, int direction)
{
    auto d = [x](int i) -> float& { return x[i - 1]; };
    const int n = 2 * nn;
    int j = 1;
    for (int i = 1; i < n; i += 2) {
        if (j > i) {
            std::swap(d(j), d(i));
            std::swap(d(j + 1), d(i + 1));
        }
        int m = n / 2;
        while (m >= 2 && j > m) {
            j -= m;
            m /= 2;
        }
        j += m;
    }
    int mmax = 2;
    while (n > mmax) {
        const int istep = 2 * mmax;
        const double theta = two_pi_short / (direction * mmax);
        double wtemp = std::sin(0.5 * theta);
        const double wpr = -2 * wtemp * wtemp;
        const double wpi = std::sin(theta);
        double wr = 1, wi = 0;
        for (int m = 1; m < mmax; m += 2) {
            for (int i = m; i <= n; i += istep) {
                j = i + mmax;
                const auto tempr = static_cast<float>(wr * static_cast<double>(d(j)) -
                                                      wi * static_cast<double>(d(j + 1)));
                const auto tempi = static_cast<float>(wr * static_cast<double>(d(j + 1)) +
                                                      wi * static_cast<double>(d(j)));
                d(j) = d(i) - tempr;
                d(j + 1) = d(i + 1) - tempi;
                d(i) += tempr;
                d(i + 1) += tempi;
            }
            wtemp = wr;
            wr = wr * wpr - wi * wpi + wr;
            wi = wi * wpr + wtemp * wpi + wi;
        }
        mmax = istep;
    }
}

// N real values as N/2 complex ones, then the split step that separates the spectra
// of the even and odd samples.
void FFT::real_fft(float* x, int half, int direction)
{
    auto d = [x](int i) -> float& { return x[i - 1]; };
    const int n = 2 * half;
    double theta = pi / half;
    const float c1 = 0.5f;
    float c2;
    if (direction == 1) {
        c2 = -0.5f;
        complex_fft(x, half, 1);
    } else {
        c2 = 0.5f;
        theta = -theta;
    }
    double wtemp = std::sin(0.5 * theta);
    const double wpr = -2 * wtemp * wtemp;
    const double wpi = std::sin(theta);
    double wr = 1 + wpr, wi = wpi;
    for (int i = 2; i <= half / 2; ++i) {
        const int i1 = 2 * i - 1, i2 = i1 + 1, i3 = n + 3 - i2, i4 = i3 + 1;
        const float h1r = c1 * (d(i1) + d(i3));
        const float h1i = c1 * (d(i2) - d(i4));
        const float h2r = -c2 * (d(i2) + d(i4));
        const float h2i = c2 * (d(i1) - d(i3));
        const auto r2 = static_cast<double>(h2r), i2v = static_cast<double>(h2i);
        d(i1) = static_cast<float>(static_cast<double>(h1r) + wr * r2 - wi * i2v);
        d(i2) = static_cast<float>(static_cast<double>(h1i) + wr * i2v + wi * r2);
        d(i3) = static_cast<float>(static_cast<double>(h1r) - wr * r2 + wi * i2v);
        d(i4) = static_cast<float>(-static_cast<double>(h1i) + wr * i2v + wi * r2);
        wtemp = wr;
        wr = wr * wpr - wi * wpi + wr;
        wi = wi * wpr + wtemp * wpi + wi;
    }
    const float h1r = d(1);
    if (direction == 1) {
        d(1) = h1r + d(2);
        d(2) = h1r - d(2);
    } else {
        d(1) = c1 * (h1r + d(2));
        d(2) = c1 * (h1r - d(2));
        complex_fft(x, half, -1);
    }
}

bool FFT::spectrum(int n)
{
    if (!valid || n < 2 || n > size || !power_of_two(n)) return false;
    window(n);
    real_fft(data.data(), n / 2, 1);
    return true;
}
